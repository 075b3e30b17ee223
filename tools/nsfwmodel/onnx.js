'use strict';
// Builders for the parts of an ONNX model this converter writes: float tensors, nodes with
// int, ints and float attributes, and a graph with one input and one output.
const {Message} = require('./protobuf');

const FLOAT = 1; // TensorProto.DataType and TypeProto elem_type
const ATTRIBUTE_FLOAT = 1;
const ATTRIBUTE_INT = 2;
const ATTRIBUTE_INTS = 7;

function tensor(name, dims, values) {
    if (!(values instanceof Float32Array)) throw new Error(`${name}: float32 values expected`);
    const count = dims.reduce((a, b) => a * b, 1);
    if (count !== values.length) throw new Error(`${name}: ${values.length} values for ${dims}`);
    return new Message()
        .ints(1, dims)
        .int(2, FLOAT)
        .string(8, name)
        .bytes(9, Buffer.from(values.buffer, values.byteOffset, values.byteLength));
}

// A whole number is an int attribute; one that must be a float even when whole (Clip's
// bounds) is passed as {float: value}.
function attribute(name, value) {
    const a = new Message().string(1, name);
    if (Array.isArray(value)) return a.ints(8, value).int(20, ATTRIBUTE_INTS);
    if (Number.isInteger(value)) return a.int(3, value).int(20, ATTRIBUTE_INT);
    return a.float(2, value.float).int(20, ATTRIBUTE_FLOAT);
}

function node(opType, name, inputs, outputs, attributes = {}) {
    const n = new Message();
    for (const input of inputs) n.string(1, input);
    for (const output of outputs) n.string(2, output);
    n.string(3, name).string(4, opType);
    for (const [key, value] of Object.entries(attributes)) n.message(5, attribute(key, value));
    return n;
}

function valueInfo(name, dims) {
    const shape = new Message();
    for (const d of dims) shape.message(1, new Message().int(1, d));
    const tensorType = new Message().int(1, FLOAT).message(2, shape);
    return new Message().string(1, name).message(2, new Message().message(1, tensorType));
}

function model({name, nodes, initializers, input, output, opset, producer}) {
    const graph = new Message();
    for (const n of nodes) graph.message(1, n);
    graph.string(2, name);
    for (const t of initializers) graph.message(5, t);
    graph.message(11, valueInfo(input.name, input.dims));
    graph.message(12, valueInfo(output.name, output.dims));
    // IR version 5 is the one that goes with opset 10.
    return new Message()
        .int(1, 5)
        .string(2, producer)
        .message(7, graph)
        .message(8, new Message().string(1, '').int(2, opset))
        .toBuffer();
}

module.exports = {tensor, node, model};

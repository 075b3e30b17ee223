'use strict';
// Converts nsfwjs's MobileNetV2 classifier (a Keras model with quantized weights) into an ONNX
// file that OpenCV 4.6's importer runs:
//
//   node convert.js NSFWJS_PACKAGE_DIR OUT.onnx
//
// OpenCV 4.6 sets the limits: opset 10 (its Clip takes the bounds as attributes), float32
// weights only, batch norms folded into the convolutions. The input is NCHW, 1 × 3 × 224 × 224,
// RGB in [0, 1]; the output is the five class probabilities in nsfwjs's order.
const fs = require('fs');
const path = require('path');
const {readKerasModel} = require('./keras');
const onnx = require('./onnx');

const OPSET = 10;

// Output size of a 'valid' window over a (padded) length.
function windows(length, kernel, stride) {
    return Math.floor((length - kernel) / stride) + 1;
}

class Converter {
    constructor(model) {
        this.model = model;
        this.nodes = [];
        this.initializers = [];
        // What each Keras layer's output became: the ONNX value and its shape, channels last.
        this.values = new Map();
        this.shapes = new Map();
        this.paddings = new Map();
        this.convolutions = new Map();
        this.consumers = new Map();
        for (const layer of model.layers) {
            for (const input of this.inboundOf(layer)) {
                this.consumers.set(input, (this.consumers.get(input) || 0) + 1);
            }
        }
    }

    inboundOf(layer) {
        if (layer.inbound_nodes.length > 1) throw new Error(`${layer.name} is shared`);
        return (layer.inbound_nodes[0] || []).map((entry) => entry[0]);
    }

    weight(layer, name) {
        const w = this.model.weights.get(`${layer}/${name}`);
        if (!w) throw new Error(`missing weight ${layer}/${name}`);
        return w;
    }

    initializer(name, dims, values) {
        this.initializers.push({name, dims, values});
        return name;
    }

    node(op, name, inputs, outputs, attributes = {}) {
        const n = {op, name, inputs, outputs, attributes};
        this.nodes.push(n);
        return n;
    }

    setOutput(layer, value, shape) {
        this.values.set(layer.name, value);
        this.shapes.set(layer.name, shape);
    }

    convert() {
        for (const layer of this.model.layers) {
            const handler = this[layer.class_name];
            if (!handler) throw new Error(`${layer.name}: no conversion for ${layer.class_name}`);
            handler.call(this, layer, layer.config, this.inboundOf(layer));
        }
        const output = this.model.outputs[0];
        return {
            input: {name: 'image', dims: [1, 3, ...this.inputSize]},
            output: {name: this.values.get(output), dims: [1, this.shapes.get(output)[2]]},
        };
    }

    InputLayer(layer, config) {
        const [, h, w, c] = config.batch_input_shape;
        if (c !== 3) throw new Error(`${layer.name}: ${c} channels`);
        this.inputSize = [h, w];
        this.setOutput(layer, 'image', [h, w, c]);
    }

    // The padding goes into the convolution that reads it; ONNX pads may be asymmetric, as
    // TensorFlow's are before a stride-2 convolution (none above and left, one below and right).
    ZeroPadding2D(layer, config, [input]) {
        const [[top, bottom], [left, right]] = config.padding;
        const [h, w, c] = this.shapes.get(input);
        this.paddings.set(layer.name, {input, pads: [top, left, bottom, right]});
        this.shapes.set(layer.name, [h + top + bottom, w + left + right, c]);
    }

    // The value a convolution reads, its ONNX pads, and its output's height and width.
    convolutionInput(layer, config, input) {
        const [kh, kw] = config.kernel_size;
        const [sh, sw] = config.strides;
        if (config.dilation_rate.some((d) => d !== 1)) throw new Error(`${layer.name}: dilation`);
        if (config.data_format !== 'channels_last') throw new Error(`${layer.name}: layout`);
        let [h, w] = this.shapes.get(input);
        let source = input;
        let pads = [0, 0, 0, 0];
        if (this.paddings.has(input)) {
            if (this.consumers.get(input) !== 1) throw new Error(`${input} feeds several layers`);
            ({input: source, pads} = this.paddings.get(input));
        }
        if (config.padding === 'same') {
            if (source !== input) throw new Error(`${layer.name}: padded twice`);
            if (sh !== 1 || sw !== 1) throw new Error(`${layer.name}: strided 'same'`);
            const top = Math.floor((kh - 1) / 2);
            const left = Math.floor((kw - 1) / 2);
            pads = [top, left, kh - 1 - top, kw - 1 - left];
            h += kh - 1;
            w += kw - 1;
        } else if (config.padding !== 'valid') {
            throw new Error(`${layer.name}: padding ${config.padding}`);
        }
        const size = [windows(h, kh, sh), windows(w, kw, sw)];
        return {source: this.values.get(source), pads, size};
    }

    // Keras stores kernels as [kh, kw, in, out]; ONNX wants [out, in / group, kh, kw].
    Conv2D(layer, config, [input]) {
        const {shape, values} = this.weight(layer.name, 'kernel');
        const [kh, kw, cin, cout] = shape;
        const kernel = new Float32Array(values.length);
        for (let y = 0; y < kh; y++) {
            for (let x = 0; x < kw; x++) {
                for (let i = 0; i < cin; i++) {
                    for (let o = 0; o < cout; o++) {
                        kernel[((o * cin + i) * kh + y) * kw + x] =
                            values[((y * kw + x) * cin + i) * cout + o];
                    }
                }
            }
        }
        this.convolution(layer, config, input, {kernel, dims: [cout, cin, kh, kw], group: 1});
    }

    // A depthwise kernel is [kh, kw, in, multiplier]; output channel i × multiplier + m reads
    // input channel i only.
    DepthwiseConv2D(layer, config, [input]) {
        const {shape, values} = this.weight(layer.name, 'depthwise_kernel');
        const [kh, kw, cin, multiplier] = shape;
        const kernel = new Float32Array(values.length);
        for (let y = 0; y < kh; y++) {
            for (let x = 0; x < kw; x++) {
                for (let i = 0; i < cin; i++) {
                    for (let m = 0; m < multiplier; m++) {
                        kernel[((i * multiplier + m) * kh + y) * kw + x] =
                            values[((y * kw + x) * cin + i) * multiplier + m];
                    }
                }
            }
        }
        const dims = [cin * multiplier, 1, kh, kw];
        this.convolution(layer, config, input, {kernel, dims, group: cin});
    }

    convolution(layer, config, input, {kernel, dims, group}) {
        const {source, pads, size} = this.convolutionInput(layer, config, input);
        const cout = dims[0];
        const bias = config.use_bias
            ? this.weight(layer.name, 'bias').values.slice()
            : new Float32Array(cout);
        const linear = `${layer.name}_linear`;
        const inputs = [source, `${layer.name}/W`, `${layer.name}/B`];
        const node = this.node('Conv', layer.name, inputs, [linear], {
            kernel_shape: dims.slice(2),
            strides: config.strides,
            pads,
            group,
        });
        this.convolutions.set(layer.name, {kernel, bias, dims, node});
        this.setOutput(layer, linear, [...size, cout]);
        this.activation(layer, config.activation, linear);
    }

    // Folds y = (x − mean) · gamma / √(variance + ε) + beta into the convolution before it, in
    // double precision, so each weight is rounded to float32 once.
    BatchNormalization(layer, config, [input]) {
        const conv = this.convolutions.get(input);
        if (!conv || this.consumers.get(input) !== 1 ||
            this.values.get(input) !== conv.node.outputs[0]) {
            throw new Error(`${layer.name}: only a batch norm right after a convolution is folded`);
        }
        if (config.axis !== -1 && config.axis !== 3) {
            throw new Error(`${layer.name}: axis ${config.axis}`);
        }
        const cout = conv.dims[0];
        const gamma = config.scale
            ? this.weight(layer.name, 'gamma').values
            : new Float32Array(cout).fill(1);
        const beta = config.center
            ? this.weight(layer.name, 'beta').values
            : new Float32Array(cout);
        const mean = this.weight(layer.name, 'moving_mean').values;
        const variance = this.weight(layer.name, 'moving_variance').values;
        const perChannel = conv.kernel.length / cout;
        for (let o = 0; o < cout; o++) {
            const factor = gamma[o] / Math.sqrt(variance[o] + config.epsilon);
            for (let k = 0; k < perChannel; k++) conv.kernel[o * perChannel + k] *= factor;
            conv.bias[o] = (conv.bias[o] - mean[o]) * factor + beta[o];
        }
        conv.node.outputs[0] = layer.name;
        this.setOutput(layer, layer.name, this.shapes.get(input));
    }

    ReLU(layer, config, [input]) {
        if (config.negative_slope || config.threshold) {
            throw new Error(`${layer.name}: leaky or shifted`);
        }
        const source = [this.values.get(input)];
        if (config.max_value == null) {
            this.node('Relu', layer.name, source, [layer.name]);
        } else {
            const bounds = {min: {float: 0}, max: {float: config.max_value}};
            this.node('Clip', layer.name, source, [layer.name], bounds);
        }
        this.setOutput(layer, layer.name, this.shapes.get(input));
    }

    Add(layer, config, inputs) {
        let sum = this.values.get(inputs[0]);
        inputs.slice(1).forEach((input, i) => {
            const out = i === inputs.length - 2 ? layer.name : `${layer.name}_${i}`;
            this.node('Add', out, [sum, this.values.get(input)], [out]);
            sum = out;
        });
        this.setOutput(layer, layer.name, this.shapes.get(inputs[0]));
    }

    AveragePooling2D(layer, config, [input]) {
        if (config.padding !== 'valid') throw new Error(`${layer.name}: padding ${config.padding}`);
        const [h, w, c] = this.shapes.get(input);
        const [ph, pw] = config.pool_size;
        const [sh, sw] = config.strides;
        this.node('AveragePool', layer.name, [this.values.get(input)], [layer.name], {
            kernel_shape: config.pool_size,
            strides: config.strides,
        });
        this.setOutput(layer, layer.name, [windows(h, ph, sh), windows(w, pw, sw), c]);
    }

    // Keras flattens channels last, ONNX channels first: the same order only when one pixel is
    // left.
    Flatten(layer, config, [input]) {
        const [h, w, c] = this.shapes.get(input);
        if (h !== 1 || w !== 1) throw new Error(`${layer.name}: flattening ${h} × ${w} pixels`);
        this.node('Flatten', layer.name, [this.values.get(input)], [layer.name], {axis: 1});
        this.setOutput(layer, layer.name, [1, 1, c]);
    }

    // Keras's kernel is [in, out]; Gemm with transB takes it as [out, in].
    Dense(layer, config, [input]) {
        const {shape, values} = this.weight(layer.name, 'kernel');
        const [cin, cout] = shape;
        const kernel = new Float32Array(values.length);
        for (let i = 0; i < cin; i++) {
            for (let o = 0; o < cout; o++) kernel[o * cin + i] = values[i * cout + o];
        }
        const bias = config.use_bias
            ? this.weight(layer.name, 'bias').values
            : new Float32Array(cout);
        const inputs = [
            this.values.get(input),
            this.initializer(`${layer.name}/W`, [cout, cin], kernel),
            this.initializer(`${layer.name}/B`, [cout], bias),
        ];
        const linear = `${layer.name}_linear`;
        this.node('Gemm', layer.name, inputs, [linear], {transB: 1});
        this.setOutput(layer, linear, [1, 1, cout]);
        this.activation(layer, config.activation, linear);
    }

    activation(layer, activation, linear) {
        if (activation === 'linear') return;
        const ops = {relu: 'Relu', softmax: 'Softmax'};
        if (!ops[activation]) throw new Error(`${layer.name}: activation ${activation}`);
        const out = `${layer.name}_${activation}`;
        // Opset 10's Softmax flattens from the axis on; the output here is [1, classes].
        const attributes = activation === 'softmax' ? {axis: 1} : {};
        this.node(ops[activation], out, [linear], [out], attributes);
        this.setOutput(layer, out, this.shapes.get(layer.name));
    }

    // Dropout only acts while training.
    Dropout(layer, config, [input]) {
        this.setOutput(layer, this.values.get(input), this.shapes.get(input));
    }

    toOnnx(graphName) {
        const {input, output} = this.convert();
        for (const [name, conv] of this.convolutions) {
            this.initializer(`${name}/W`, conv.dims, conv.kernel);
            this.initializer(`${name}/B`, [conv.dims[0]], conv.bias);
        }
        return onnx.model({
            name: graphName,
            producer: 'zirel-nsfwmodel',
            opset: OPSET,
            input,
            output,
            nodes: this.nodes.map((n) =>
                onnx.node(n.op, n.name, n.inputs, n.outputs, n.attributes)),
            initializers: this.initializers.map((t) => onnx.tensor(t.name, t.dims, t.values)),
        });
    }
}

function main([packageDir, outFile]) {
    if (!packageDir || !outFile) {
        console.error('usage: node convert.js NSFWJS_PACKAGE_DIR OUT.onnx');
        process.exit(2);
    }
    const model = readKerasModel(path.join(packageDir, 'dist', 'models', 'mobilenet_v2'));
    if (model.inputs.length !== 1 || model.outputs.length !== 1) {
        throw new Error('one input and one output expected');
    }
    const bytes = new Converter(model).toOnnx('nsfwjs_mobilenet_v2');
    // Written aside and renamed, so an interrupted run never leaves a truncated model behind.
    fs.mkdirSync(path.dirname(outFile), {recursive: true});
    const partial = `${outFile}.partial`;
    fs.writeFileSync(partial, bytes);
    fs.renameSync(partial, outFile);
}

main(process.argv.slice(2));

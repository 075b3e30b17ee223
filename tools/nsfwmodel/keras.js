'use strict';
// Reads the Keras model that nsfwjs bundles: the topology and weights manifest from
// model.min.js, the weight bytes from the base64 shard modules beside it.
const path = require('path');

// What each stored type takes per value. Quantized weights are stored as their quantized type.
const BYTES = {float32: 4, int32: 4, uint8: 1, uint16: 2};

function readValues(bytes, offset, count, entry) {
    const stored = entry.quantization ? entry.quantization.dtype : entry.dtype;
    if (entry.dtype !== 'float32') throw new Error(`${entry.name}: unsupported type ${entry.dtype}`);
    const size = BYTES[stored];
    if (!size || stored === 'int32') throw new Error(`${entry.name}: unsupported storage ${stored}`);
    const slice = bytes.subarray(offset, offset + count * size);
    if (slice.length !== count * size) throw new Error(`${entry.name}: weights end early`);
    const values = new Float32Array(count);
    if (stored === 'float32') {
        for (let i = 0; i < count; i++) values[i] = slice.readFloatLE(i * 4);
        return values;
    }
    const {scale, min} = entry.quantization;
    // Float32Array rounds each value once, after the arithmetic, as tfjs's own loader does.
    for (let i = 0; i < count; i++) {
        const q = stored === 'uint8' ? slice[i] : slice.readUInt16LE(i * 2);
        values[i] = q * scale + min;
    }
    return values;
}

// The model's layers in their topological order, and its weights by "layer/name".
function readKerasModel(modelDir) {
    const {modelTopology, weightsManifest} = require(path.join(modelDir, 'model.min.js'));
    const weights = new Map();
    for (const group of weightsManifest) {
        // A group's shards form one byte run; its weights follow each other in manifest order.
        const shards = group.paths.map((p) => require(path.join(modelDir, `${p}.min.js`)));
        const bytes = Buffer.concat(shards.map((base64) => Buffer.from(base64, 'base64')));
        let offset = 0;
        for (const entry of group.weights) {
            const count = entry.shape.reduce((a, b) => a * b, 1);
            const stored = entry.quantization ? entry.quantization.dtype : entry.dtype;
            const values = readValues(bytes, offset, count, entry);
            weights.set(entry.name, {shape: entry.shape, values});
            offset += count * BYTES[stored];
        }
        if (offset !== bytes.length) {
            throw new Error(`weights take ${offset} bytes of ${bytes.length} in ${group.paths}`);
        }
    }
    const config = modelTopology.model_config.config;
    return {
        layers: config.layers,
        inputs: config.input_layers.map((l) => l[0]),
        outputs: config.output_layers.map((l) => l[0]),
        weights,
    };
}

module.exports = {readKerasModel};

'use strict';
// The few protobuf wire encodings an ONNX file needs. Messages are built bottom-up as byte
// buffers, so a nested message is written once its length is known.

const VARINT = 0;
const FIXED32 = 5;
const LENGTH_DELIMITED = 2;

function varint(value) {
    let v = BigInt(value);
    // Negative int64s are written as their two's complement in ten bytes.
    if (v < 0n) v += 1n << 64n;
    const bytes = [];
    do {
        let byte = Number(v & 0x7fn);
        v >>= 7n;
        if (v > 0n) byte |= 0x80;
        bytes.push(byte);
    } while (v > 0n);
    return Buffer.from(bytes);
}

function key(field, wireType) {
    return varint((field << 3) | wireType);
}

class Message {
    constructor() {
        this.parts = [];
    }

    int(field, value) {
        this.parts.push(key(field, VARINT), varint(value));
        return this;
    }

    float(field, value) {
        const b = Buffer.alloc(4);
        b.writeFloatLE(value);
        this.parts.push(key(field, FIXED32), b);
        return this;
    }

    bytes(field, buffer) {
        this.parts.push(key(field, LENGTH_DELIMITED), varint(buffer.length), buffer);
        return this;
    }

    string(field, text) {
        return this.bytes(field, Buffer.from(text, 'utf8'));
    }

    message(field, message) {
        return this.bytes(field, message.toBuffer());
    }

    // ONNX's schema is proto2, whose repeated scalars are unpacked: one key per value.
    ints(field, values) {
        for (const v of values) this.int(field, v);
        return this;
    }

    toBuffer() {
        return Buffer.concat(this.parts);
    }
}

module.exports = {Message, varint};

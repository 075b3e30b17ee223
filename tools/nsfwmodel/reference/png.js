'use strict';
// A minimal PNG writer (8-bit RGB, no filtering), enough for test images.
const zlib = require('zlib');

const CRC_TABLE = Array.from({length: 256}, (_, n) => {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    return c >>> 0;
});

function crc32(bytes) {
    let c = 0xffffffff;
    for (const b of bytes) c = CRC_TABLE[(c ^ b) & 0xff] ^ (c >>> 8);
    return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
    const length = Buffer.alloc(4);
    length.writeUInt32BE(data.length);
    const body = Buffer.concat([Buffer.from(type, 'ascii'), data]);
    const crc = Buffer.alloc(4);
    crc.writeUInt32BE(crc32(body));
    return Buffer.concat([length, body, crc]);
}

// rgb holds width × height × 3 bytes, row by row.
function encodePng(width, height, rgb) {
    const header = Buffer.alloc(13);
    header.writeUInt32BE(width, 0);
    header.writeUInt32BE(height, 4);
    header.set([8, 2, 0, 0, 0], 8);
    const rows = Buffer.alloc(height * (1 + width * 3));
    for (let y = 0; y < height; y++) {
        rows[y * (1 + width * 3)] = 0;
        rgb.copy(rows, y * (1 + width * 3) + 1, y * width * 3, (y + 1) * width * 3);
    }
    return Buffer.concat([
        Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
        chunk('IHDR', header),
        chunk('IDAT', zlib.deflateSync(rows, {level: 9})),
        chunk('IEND', Buffer.alloc(0)),
    ]);
}

module.exports = {encodePng};

'use strict';
// Draws a few test images, classifies each with nsfwjs itself (tfjs's plain JavaScript CPU
// backend) and writes the images and nsfwjs's probabilities into OUT_DIR:
//
//   node make-fixtures.js OUT_DIR
//
// The client's classifier must reproduce these numbers from the converted model. Sizes are
// chosen so that nsfwjs's resize shrinks, enlarges, does both at once, and (at 224 × 224) is
// skipped.
const fs = require('fs');
const path = require('path');
const tf = require('@tensorflow/tfjs');
const nsfwjs = require('nsfwjs');
const {encodePng} = require('./png');

function image(width, height, pixel) {
    const rgb = Buffer.alloc(width * height * 3);
    for (let y = 0; y < height; y++) {
        for (let x = 0; x < width; x++) {
            const [r, g, b] = pixel(x, y).map((v) => Math.max(0, Math.min(255, Math.round(v))));
            rgb.set([r, g, b], (y * width + x) * 3);
        }
    }
    return {width, height, rgb};
}

// A fixed linear congruential sequence, so the noise is the same on every run.
function noise(seed) {
    let state = seed >>> 0;
    return () => {
        state = (Math.imul(state, 1664525) + 1013904223) >>> 0;
        return state >>> 24;
    };
}

// Shaded skin-coloured ellipses on a dark warm background.
function skin(x, y, width, height) {
    const blobs = [
        [0.5, 0.45, 0.32, 0.38],
        [0.25, 0.8, 0.18, 0.22],
        [0.78, 0.78, 0.17, 0.2],
    ];
    for (const [cx, cy, rx, ry] of blobs) {
        const dx = (x / width - cx) / rx;
        const dy = (y / height - cy) / ry;
        const d = dx * dx + dy * dy;
        if (d < 1) {
            const light = 0.75 + 0.25 * Math.sqrt(1 - d) - 0.1 * dx;
            return [232 * light, 176 * light, 150 * light];
        }
    }
    return [60 + 30 * (y / height), 36, 30];
}

function images() {
    const rand = noise(29);
    return {
        'gradient.png': image(320, 240, (x, y) => [(x * 255) / 319, (y * 255) / 239, 128]),
        'noise.png': image(150, 200, () => [rand(), rand(), rand()]),
        'flat.png': image(64, 48, () => [200, 30, 90]),
        'skin.png': image(300, 400, (x, y) => skin(x, y, 300, 400)),
        'checker.png': image(224, 224, (x, y) =>
            ((x >> 4) + (y >> 4)) % 2 ? [240, 220, 30] : [20, 60, 200 - y / 2]),
        'strip.png': image(997, 37, (x, y) =>
            [128 + 127 * Math.sin(x / 9), (y * 255) / 36, (x * 7) % 256]),
    };
}

// The package's exports hide its package.json; it sits two folders above the entry point.
function installedVersion(name) {
    const file = path.join(path.dirname(require.resolve(name)), '..', '..', 'package.json');
    return JSON.parse(fs.readFileSync(file, 'utf8')).version;
}

async function main([outDir]) {
    if (!outDir) {
        console.error('usage: node make-fixtures.js OUT_DIR');
        process.exit(2);
    }
    await tf.setBackend('cpu');
    const model = await nsfwjs.load('MobileNetV2');
    fs.mkdirSync(outDir, {recursive: true});
    const expected = {
        about: `nsfwjs ${installedVersion('nsfwjs')} MobileNetV2 on tfjs ${tf.version.tfjs}, ` +
            `backend ${tf.getBackend()}; made by tools/nsfwmodel/make-reference`,
        classes: ['Drawing', 'Hentai', 'Neutral', 'Porn', 'Sexy'],
        images: [],
    };
    for (const [file, {width, height, rgb}] of Object.entries(images())) {
        fs.writeFileSync(path.join(outDir, file), encodePng(width, height, rgb));
        const pixels = tf.tensor3d(Int32Array.from(rgb), [height, width, 3], 'int32');
        const probabilities = Array.from(await model.infer(pixels).data());
        expected.images.push({file, probabilities});
        console.log(file, probabilities.map((p) => p.toFixed(6)).join(' '));
    }
    fs.writeFileSync(path.join(outDir, 'expected.json'), JSON.stringify(expected, null, 2) + '\n');
}

main(process.argv.slice(2)).catch((e) => {
    console.error(e);
    process.exit(1);
});

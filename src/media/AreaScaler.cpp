// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "media/AreaScaler.h"

#include <QList>
#include <algorithm>
#include <cmath>

namespace {
// The source pixels a target pixel covers and how much of each, the edge ones only in part;
// the weights are divided by the covered length already.
struct Spans {
    QList<int> first;
    QList<int> count;
    QList<float> weights; // count[d] weights for target d, one after another
    QList<int> offset;    // where target d's weights start
};

Spans spans(int from, int to) {
    const double step = double(from) / to;
    Spans s;
    s.first.resize(to);
    s.count.resize(to);
    s.offset.resize(to);
    for (int d = 0; d < to; ++d) {
        const double begin = d * step;
        const double end = std::min((d + 1) * step, double(from));
        const int first = int(begin);
        const int last = std::max(first, int(std::ceil(end)) - 1);
        s.first[d] = first;
        s.count[d] = last - first + 1;
        s.offset[d] = int(s.weights.size());
        for (int i = first; i <= last; ++i) {
            const double covered = std::min(end, i + 1.0) - std::max(begin, double(i));
            s.weights.append(float(covered / (end - begin)));
        }
    }
    return s;
}

int byte(float v) {
    return std::clamp(int(v + 0.5F), 0, 255);
}

// One source row shrunk across, as four floats per target pixel (blue, green, red, alpha).
void shrinkRow(const QRgb *line, const Spans &across, float *out) {
    for (qsizetype x = 0; x < across.first.size(); ++x) {
        const QRgb *p = line + across.first[x];
        const float *w = across.weights.constData() + across.offset[x];
        float b = 0, g = 0, r = 0, a = 0;
        for (int k = 0; k < across.count[x]; ++k) {
            b += float(qBlue(p[k])) * w[k];
            g += float(qGreen(p[k])) * w[k];
            r += float(qRed(p[k])) * w[k];
            a += float(qAlpha(p[k])) * w[k];
        }
        out[4 * x] = b;
        out[4 * x + 1] = g;
        out[4 * x + 2] = r;
        out[4 * x + 3] = a;
    }
}
} // namespace

QImage AreaScaler::scaled(const QImage &source, QRect area, QSize size) {
    area &= source.rect();
    if (area.isEmpty() || size.isEmpty())
        return {};
    if (size.width() > area.width() || size.height() > area.height())
        return source.copy(area)
            .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Photos mostly decode to one of these; any other is converted once. Reading the area in
    // place spares copying a photo of several megabytes.
    const bool direct = source.format() == QImage::Format_RGB32 ||
                        source.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage in = direct ? source : source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const Spans across = spans(area.width(), size.width());
    const Spans down = spans(area.height(), size.height());

    // Row by row: the source rows under a target row are shrunk across, weighted and added. The
    // row on a boundary serves both target rows, so every source row is shrunk once.
    const qsizetype floats = qsizetype(size.width()) * 4;
    QList<float> row(floats);
    QList<float> sum(floats);
    int shrunkRow = -1;
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y) {
        std::fill(sum.begin(), sum.end(), 0.0F);
        const float *w = down.weights.constData() + down.offset[y];
        for (int k = 0; k < down.count[y]; ++k) {
            const int i = down.first[y] + k;
            if (i != shrunkRow) {
                shrinkRow(reinterpret_cast<const QRgb *>(in.constScanLine(area.y() + i)) + area.x(),
                          across, row.data());
                shrunkRow = i;
            }
            const float *r = row.constData();
            float *s = sum.data();
            for (qsizetype c = 0; c < floats; ++c)
                s[c] += r[c] * w[k];
        }
        auto *target = reinterpret_cast<QRgb *>(out.scanLine(y));
        const float *s = sum.constData();
        for (int x = 0; x < size.width(); ++x)
            target[x] =
                qRgba(byte(s[4 * x + 2]), byte(s[4 * x + 1]), byte(s[4 * x]), byte(s[4 * x + 3]));
    }
    return out;
}

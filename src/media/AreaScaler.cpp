#include "AreaScaler.h"

#include <QList>
#include <algorithm>
#include <array>
#include <cmath>

namespace {
// The source pixels [first, last] that one target pixel covers, the edge pixels only in part.
struct Span {
    int first = 0;
    int last = 0;
    float firstWeight = 1;
    float lastWeight = 1;
    float scale = 1; // one over the covered length

    [[nodiscard]] float weight(int i) const {
        if (i == first)
            return firstWeight;
        return i == last ? lastWeight : 1.0F;
    }
};

QList<Span> spans(int from, int to) {
    const double step = double(from) / to;
    QList<Span> out(to);
    for (int d = 0; d < to; ++d) {
        const double begin = d * step;
        const double end = std::min((d + 1) * step, double(from));
        Span &s = out[d];
        s.first = int(begin);
        s.last = std::max(s.first, int(std::ceil(end)) - 1);
        s.firstWeight = float(std::min(end, s.first + 1.0) - begin);
        s.lastWeight = s.last > s.first ? float(end - s.last) : s.firstWeight;
        s.scale = float(1.0 / (end - begin));
    }
    return out;
}

using Pixel = std::array<float, 4>;

Pixel channels(QRgb p) {
    return {float(qAlpha(p)), float(qRed(p)), float(qGreen(p)), float(qBlue(p))};
}

int byte(float v) {
    return std::clamp(int(std::lround(v)), 0, 255);
}
} // namespace

QImage AreaScaler::scaled(const QImage &source, QSize size) {
    if (source.isNull() || size.isEmpty())
        return {};
    if (size.width() > source.width() || size.height() > source.height())
        return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage in = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QList<Span> across = spans(in.width(), size.width());
    const QList<Span> down = spans(in.height(), size.height());

    // Row by row: each source row under a target row is shrunk across, weighted and added.
    // A row on a boundary is shrunk twice rather than kept, so one row is all the memory used.
    QList<Pixel> sum(size.width());
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y) {
        const Span &v = down[y];
        std::fill(sum.begin(), sum.end(), Pixel{});
        for (int i = v.first; i <= v.last; ++i) {
            const auto *line = reinterpret_cast<const QRgb *>(in.constScanLine(i));
            const float rowWeight = v.weight(i);
            for (int x = 0; x < size.width(); ++x) {
                const Span &h = across[x];
                Pixel cell{};
                for (int j = h.first; j <= h.last; ++j) {
                    const Pixel p = channels(line[j]);
                    const float w = h.weight(j);
                    for (int c = 0; c < 4; ++c)
                        cell[c] += p[c] * w;
                }
                for (int c = 0; c < 4; ++c)
                    sum[x][c] += cell[c] * h.scale * rowWeight;
            }
        }
        auto *target = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            target[x] = qRgba(byte(sum[x][1] * v.scale), byte(sum[x][2] * v.scale),
                              byte(sum[x][3] * v.scale), byte(sum[x][0] * v.scale));
    }
    return out;
}

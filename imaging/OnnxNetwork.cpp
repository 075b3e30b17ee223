// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "OnnxNetwork.h"

#include <algorithm>
#include <cmath>

OnnxNetwork::OnnxNetwork(cv::dnn::Net net)
    : m_net(std::move(net)) {}

std::vector<float> OnnxNetwork::run(const std::vector<float> &input, int side, QString *error) {
    const int shape[] = {1, 3, side, side};
    if (input.size() != size_t(3) * size_t(side) * size_t(side)) {
        *error = QStringLiteral("an input of the wrong size");
        return {};
    }
    try {
        // OpenCV only reads the input; the cast spares a copy of 600 KB.
        m_net.setInput(cv::Mat(4, shape, CV_32F, const_cast<float *>(input.data())));
        const cv::Mat out = m_net.forward();
        if (out.type() != CV_32F || !out.isContinuous()) {
            *error = QStringLiteral("the network gave no probabilities");
            return {};
        }
        std::vector<float> result(out.ptr<float>(), out.ptr<float>() + out.total());
        if (!std::all_of(result.begin(), result.end(), [](float p) { return std::isfinite(p); })) {
            *error = QStringLiteral("the network gave a value that is no number");
            return {};
        }
        return result;
    } catch (const cv::Exception &e) {
        *error = QString::fromStdString(e.msg).trimmed();
        return {};
    }
}

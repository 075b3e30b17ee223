// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "media/Imaging.h"

#include <opencv2/dnn.hpp>

// A classifier network run by OpenCV's deep-learning module.
class OnnxNetwork : public NsfwNetwork {
public:
    explicit OnnxNetwork(cv::dnn::Net net);
    std::vector<float> run(const std::vector<float> &input, int side, QString *error) override;

private:
    cv::dnn::Net m_net;
};

# SPDX-FileCopyrightText: 2026 The Zirel developers
# SPDX-License-Identifier: MIT

# Installs the pinned nsfwjs in the current folder. npm checks the package against the hash in
# the lock file; when it cannot be fetched, the build says what else it can do.
execute_process(COMMAND ${NPM} ci --legacy-peer-deps --no-audit --no-fund --loglevel=error
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "Could not fetch nsfwjs from the npm registry (npm ci: ${status}). The "
        "nudity classifier's model is converted from it. Check the network and the registry "
        "(npm config get registry), or configure with -DZIREL_NSFW_MODEL=PATH to a model "
        "converted before (build/nsfwmodel/nsfw.onnx of another build).")
endif()

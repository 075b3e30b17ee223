#include "api/EmptyResponse.h"

EmptyResponse EmptyResponse::read(DecodeContext &context) {
    context.requireObject();
    return {};
}

std::optional<EmptyResponse> EmptyResponse::fromJson(const QJsonValue &value, QString *error) {
    return decodeRecord<EmptyResponse>(value, error);
}

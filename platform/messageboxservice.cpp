#include "platform/messageboxservice.h"

#include "platform/qtmessageboxservice.h"

namespace {

MessageBoxService *installed = nullptr;

} // namespace

MessageBoxService &MessageBoxService::instance()
{
    static QtMessageBoxService real;
    return installed ? *installed : real;
}

void MessageBoxService::setInstance(MessageBoxService *service)
{
    installed = service;
}

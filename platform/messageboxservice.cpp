#include "platform/messageboxservice.h"

#include "platform/qtmessageboxservice.h"
#include "platform/replaceableservice.h"

MessageBoxService &MessageBoxService::instance()
{
    return ReplaceableService<MessageBoxService, QtMessageBoxService>::instance();
}

void MessageBoxService::setInstance(MessageBoxService *service)
{
    ReplaceableService<MessageBoxService, QtMessageBoxService>::install(service);
}

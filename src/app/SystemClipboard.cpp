#include "SystemClipboard.h"

#include "platform/Clipboard.h"

QVariant SystemClipboard::text()
{
    const std::optional<QString> text = Clipboard::text();
    return text ? QVariant(*text) : QVariant();
}

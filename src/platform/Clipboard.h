#pragma once

#include <QString>
#include <optional>

// The desktop's general clipboard.
namespace Clipboard {

// The plain-text content of the clipboard, unchanged (not trimmed); none when the
// clipboard holds no text (an image, files only, or nothing). Main thread.
std::optional<QString> text();

} // namespace Clipboard

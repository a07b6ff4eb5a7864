#pragma once

#include <QString>
#include <chrono>
#include <functional>

namespace TestSupport {

// Runs the Qt event loop until `done` returns true or `timeout` passes; returns done().
bool waitUntil(const std::function<bool()> &done,
               std::chrono::milliseconds timeout = std::chrono::seconds(30));

// A directory for this test run's scratch files, under the build tree when the test
// runs from CTest (LYRABOX_TEST_TMP), else under the system's temporary directory.
QString scratchRoot();

// Writes `bytes` to `path`, making its folder, executable by its owner when asked.
bool writeFile(const QString &path, const QByteArray &bytes = {}, bool executable = false);
// The file's bytes; empty when it cannot be read.
QByteArray readFile(const QString &path);
// The permission bits of `path` itself (a link is not followed); -1 when it is missing.
int permissionsOf(const QString &path);

} // namespace TestSupport

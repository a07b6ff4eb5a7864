#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// Text rules the views share: right-to-left detection for RTLText, clock texts and
// the speed labels of the speed menu.
class ViewText : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    Q_INVOKABLE static bool isRTL(const QString &text);
    // A path or name set in a sentence, kept in its own direction (RTLSupport::isolated).
    Q_INVOKABLE static QString isolated(const QString &text);
    // "m:ss" below an hour, "h:mm:ss" from an hour on; "0:00" for a value that is not
    // a finite time.
    Q_INVOKABLE static QString formatTime(double seconds);
    // A count or number in a text, with the digits of the window's locale.
    Q_INVOKABLE static QString number(int value);
    // The speed with two significant digits ("%.2g", ties to even) and "x": 0.5x,
    // 0.75x, 1x, 1.2x (for 1.25), 1.5x, 1.8x (for 1.75), 2x. Takes the 32-bit speed
    // the player keeps.
    Q_INVOKABLE static QString speedLabel(float rate);
    // The part of the item played, advanced with the clock (whole seconds) rather than
    // with every position report: progress bars then move together with the elapsed
    // time and the window redraws once a second instead of four times while playing.
    // 0 when the length is unknown; not clamped.
    Q_INVOKABLE static double clockProgress(double currentTime, double duration);
    // A folder or file address as the user reads it: the local path, or the address
    // itself when it is not a local file.
    Q_INVOKABLE static QString localPath(const QUrl &url);
};

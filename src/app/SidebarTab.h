#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>
#include <optional>

// The seven sections of the main window, in declaration order. Each has a raw value
// (its English title, fixed), the title shown (translated), a fixed icon symbol and a
// sidebar group.
class SidebarTab : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    enum Tab { Library, Audiobooks, Videos, Playlists, YouTube, Downloads, NowPlaying };
    Q_ENUM(Tab)

    using QObject::QObject;

    static QList<Tab> allCases();
    Q_INVOKABLE static QString rawValue(SidebarTab::Tab tab);
    Q_INVOKABLE static QString title(SidebarTab::Tab tab);
    Q_INVOKABLE static QString symbol(SidebarTab::Tab tab);
    // "Browse", "Playlists" or "Online", translated.
    Q_INVOKABLE static QString section(SidebarTab::Tab tab);
    static std::optional<Tab> fromRawValue(const QString &rawValue);
};

#include "Appearance.h"

#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace Appearance {

Scheme detect(const QPalette &desktop, const QString &override)
{
    const QString forced = override.trimmed().toLower();
    if (forced == u"dark"_s)
        return Scheme::Dark;
    if (forced == u"light"_s)
        return Scheme::Light;
    // HSL lightness 0...255; a dark theme's window colour sits well below the middle.
    return desktop.color(QPalette::Window).lightness() < 128 ? Scheme::Dark : Scheme::Light;
}

Scheme current()
{
    return detect(QGuiApplication::palette(), qEnvironmentVariable("LYRABOX_APPEARANCE"));
}

Colors colors(Scheme scheme)
{
    if (scheme == Scheme::Dark) {
        return Colors{
            QColor(0x1e, 0x1e, 0x20), QColor(0x29, 0x29, 0x2c), QColor(0x26, 0x26, 0x29),
            QColor(0xf2, 0xf2, 0xf5), QColor(0x9a, 0x9a, 0xa1), QColor(0x0a, 0x84, 0xff),
            QColor(0xff, 0x9f, 0x0a), QColor(0x3a, 0x3a, 0x3e)};
    }
    return Colors{QColor(0xff, 0xff, 0xff), QColor(0xf0, 0xf0, 0xf3), QColor(0xf7, 0xf7, 0xf9),
                  QColor(0x1c, 0x1c, 0x1e), QColor(0x6e, 0x6e, 0x73), QColor(0x00, 0x7a, 0xff),
                  QColor(0xf0, 0x8a, 0x00), QColor(0xd8, 0xd8, 0xdc)};
}

QPalette palette(Scheme scheme)
{
    const Colors c = colors(scheme);
    const bool dark = scheme == Scheme::Dark;
    QPalette p;
    p.setColor(QPalette::Window, c.window);
    p.setColor(QPalette::WindowText, c.primaryText);
    p.setColor(QPalette::Base, dark ? QColor(0x2c, 0x2c, 0x2f) : QColor(0xff, 0xff, 0xff));
    p.setColor(QPalette::AlternateBase, c.sidebar);
    p.setColor(QPalette::Text, c.primaryText);
    p.setColor(QPalette::PlaceholderText, c.secondaryText);
    p.setColor(QPalette::Button, dark ? QColor(0x3a, 0x3a, 0x3e) : QColor(0xee, 0xee, 0xf0));
    p.setColor(QPalette::ButtonText, c.primaryText);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Highlight, c.accent);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, dark ? QColor(0x3a, 0x3a, 0x3e) : QColor(0xff, 0xff, 0xe8));
    p.setColor(QPalette::ToolTipText, c.primaryText);
    p.setColor(QPalette::Light, dark ? QColor(0x4a, 0x4a, 0x4e) : QColor(0xff, 0xff, 0xff));
    p.setColor(QPalette::Midlight, dark ? QColor(0x40, 0x40, 0x44) : QColor(0xe4, 0xe4, 0xe8));
    p.setColor(QPalette::Mid, c.separator);
    p.setColor(QPalette::Dark, dark ? QColor(0x18, 0x18, 0x1a) : QColor(0xa0, 0xa0, 0xa6));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Link, c.accent);
    p.setColor(QPalette::Disabled, QPalette::Text, c.secondaryText);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, c.secondaryText);
    p.setColor(QPalette::Disabled, QPalette::WindowText, c.secondaryText);
    return p;
}

} // namespace Appearance

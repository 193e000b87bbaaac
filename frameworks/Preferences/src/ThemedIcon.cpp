#include "Preferences/ThemedIcon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPalette>

using namespace Qt::StringLiterals;

namespace Preferences {
namespace {

// Draws one of two bundled icons, picked by the application palette when asked to draw.
class PaletteIconEngine final : public QIconEngine
{
public:
    explicit PaletteIconEngine(QString name)
        : m_name(std::move(name))
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        current().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return current().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return current().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return current().actualSize(size, mode, state);
    }
    QIconEngine *clone() const override { return new PaletteIconEngine(m_name); }
    QString key() const override { return u"PaletteIconEngine"_s; }
    QString iconName() override { return m_name; }

private:
    const QIcon &current()
    {
        const bool dark = QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
        QIcon &icon = dark ? m_dark : m_light;
        if (icon.isNull())
            icon = QIcon(
                u":/icons/preferences-fallback-%1/scalable/%2.svg"_s.arg(dark ? u"dark"_s : u"light"_s, m_name));
        return icon;
    }

    const QString m_name;
    QIcon m_light;
    QIcon m_dark;
};

} // namespace

QIcon themedIcon(const QString &name)
{
    if (QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    return QIcon(new PaletteIconEngine(name));
}

} // namespace Preferences

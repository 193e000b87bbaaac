#pragma once

#include "preferences/PreferencesGeneral.h"

#include <AppUtils/DefaultSettings.h>

#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QWidget>

// A General preferences pane on a settings file of its own, loaded and ready to be driven as
// a person would: pick a source, type into the fields.
class TestPane
{
public:
    TestPane()
        : m_store(m_dir.filePath(QStringLiteral("Horavane.conf")))
        , m_pane(m_store)
    {
        m_pane.view();
        m_pane.loadSettings();
    }

    PreferencesGeneral &pane() { return m_pane; }

    void choose(PreferencesGeneral::LocationSource source)
    {
        static const char *const buttons[] = {"m_sitech", "m_manual", "m_corelocation"};
        auto *button = m_pane.view()->findChild<QRadioButton *>(
            QLatin1StringView(buttons[static_cast<int>(source)]));
        m_pane.locationSource(button);
    }

    void type(const char *fieldName, const QString &text)
    {
        m_pane.view()->findChild<QLineEdit *>(QLatin1StringView(fieldName))->setText(text);
    }

private:
    QTemporaryDir m_dir;
    AppUtils::DefaultSettings m_store;
    PreferencesGeneral m_pane;
};

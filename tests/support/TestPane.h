#pragma once

#include "preferences/PreferencesGeneral.h"

#include <AppUtils/DefaultSettings.h>

#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

// A General preferences pane on a settings file of its own, loaded and ready to be driven as
// a person would: pick a source, type into the fields.
class TestPane
{
public:
    TestPane() { m_pane.loadSettings(); }   // loading the settings loads the view

    PreferencesGeneral &pane() { return m_pane; }
    void type(const char *field, const QString &text) { m_pane.view()->findChild<QLineEdit *>(QLatin1StringView(field))->setText(text); }
    void choose(PreferencesGeneral::LocationSource source)
    {
        static const char *const buttons[] = {"m_sitech", "m_manual", "m_corelocation"};
        m_pane.locationSource(m_pane.view()->findChild<QRadioButton *>(QLatin1StringView(buttons[static_cast<int>(source)])));
    }

private:
    QTemporaryDir m_dir;
    AppUtils::DefaultSettings m_store{m_dir.filePath(QStringLiteral("settings.conf"))};
    PreferencesGeneral m_pane{m_store};
};

#pragma once

#include "preferences/ObserverSettings.h"
#include "timescales/TimeFacts.h"

#include <Platform/ViewController.h>
#include <Preferences/Preferenceable.h>

#include <QIcon>
#include <QList>
#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace AppUtils {
class DefaultSettings;
}
namespace Ui {
class PreferencesGeneral;
}

// The General pane of the preferences window, and the live store of its settings: from
// loadSettings() at launch to saveSettings() at the end, each setting lives in one of the
// pane's controls. The observer settings reach the clocks as a value, published on every edit
// (each keystroke included), so a change takes effect at the next clock tick, saved or not.
//
// Every function that touches a control builds the view first when it is not loaded yet.
// Main thread only.
class PreferencesGeneral : public Platform::ViewController, public Preferences::Preferenceable
{
    Q_OBJECT

public:
    using LocationSource = ::LocationSource;

    // store: where loadSettings() reads and saveSettings() writes; must outlive the pane.
    // The source is useCoreLocation until loadSettings() runs.
    explicit PreferencesGeneral(AppUtils::DefaultSettings &store, QObject *parent = nullptr);
    ~PreferencesGeneral() override;

    // "General", translated, and the preferences icon (Preferences::themedIcon).
    QString toolbarItemTitle() const override;
    QIcon toolbarItemIcon() const override;
    QWidget *view() override;

    LocationSource currentLocationSource() const;

    // The observer settings as the controls hold them now; the coordinates as
    // Platform::TextField reads the fields, whatever their text.
    ObserverSettings observerSettings();

    // Fills the controls from the store (an absent or unreadable value gives its default from
    // SettingsDefaults; a stored source other than 0 to 3 leaves the current one; a stored
    // coordinate the field would refuse is shown as stored, and the manual source gives no
    // position, nor is it saved, until either field is typed in), brings
    // the login entry in line with the launch-at-login box (syncLaunchAtLogin(), which saves
    // when the box is on) and then the radio buttons and fields with the source.
    void loadSettings();

    // Writes every setting of the pane to the store, each as its control holds it now: the
    // fields as Platform::TextField reads them, checked or not. Returns whether all of them are
    // on disk. On failure nothing that was stored before is lost: the store refuses to write a
    // file it could not read, and values it could not write stay waiting for the next save.
    bool saveSettings();

    // Makes latitude and longitude (degrees, north and east positive) the manual position and
    // selects the manual source, as if typed and clicked here, and saves the pane (see
    // saveSettings(), whose answer it gives).
    bool observeFrom(double latitude, double longitude);

    // Turns on the radio button of the current source and the others off, and enables the
    // fields of that source only. The SiTech button stays disabled: it cannot be chosen here,
    // only kept from a settings file.
    void updateLocationControls();

    // With launch at login on: writes the login entry; when that fails (the entry there is not
    // ours, the folder is not writable, or the entry written is not usable), removes an entry
    // of ours and turns the box off; saves the pane either way. With it off: removes our entry
    // and saves nothing. Why it failed shows in a line under the box until the next sync.
    void syncLaunchAtLogin();

    // Turns keeping Earth-orientation data current on or off as its box does: the box follows,
    // the pane is saved and earthOrientationDownloadChanged() sent.
    void setEarthOrientationDownload(bool on);

public Q_SLOTS:
    // The radio buttons' action. sender: the button clicked, whose source becomes current;
    // another button leaves the source as it is but still updates the controls and saves the
    // pane; a sender that is no button (or null) does nothing.
    void locationSource(QObject *sender);
    // The launch-at-login box's action: syncLaunchAtLogin().
    void launchAtLogin();
    // The action of the decimal and 24-hour boxes: saves the pane.
    void optionsChanged();

    // The end-of-edit check of the latitude, longitude, port and gpsd fields (other fields, and
    // null, are ignored). A bad entry is selected again, once the event in hand is over, so
    // that the user sees it and can type over it; its text is left exactly as it is. It is
    // not selected when its window is hidden or inactive, when the field was disabled, or when
    // the focus has moved into another field that holds a bad entry, so that two bad fields
    // never pull the focus back and forth.
    void controlTextDidEndEditing(QLineEdit *field);

Q_SIGNALS:
    // The observer settings changed: a source was chosen, a coordinate edited, or the decimal
    // or 24-hour box toggled. Also sent once by loadSettings(), whatever changed.
    void observerChanged(const ObserverSettings &settings);
    // The typed DUT1 changed: a valid number typed (dated today), or the field emptied. Also
    // sent once by loadSettings(). An entry that is not a DUT1 changes nothing.
    void typedDut1Changed(const std::optional<TypedDut1> &typed);
    // Keeping Earth-orientation data current was turned on or off. Also sent once by
    // loadSettings().
    void earthOrientationDownloadChanged(bool on);

protected:
    void loadView(QWidget &view) override;
    void viewDidLoad() override;

private:
    Ui::PreferencesGeneral &ui();
    // Whether field's text passes its check; nullopt for a field that has none.
    std::optional<bool> entryIsValid(const QLineEdit &field) const;
    void editingDidEnd();
    void reselectBadEntry();
    void showLaunchAtLoginProblem(const QString &problem); // empty: none
    void dimLabelsOfDisabledFields();
    void publishObserver();
    // Reads the DUT1 field as typed: a new valid value is dated today, and a bad one is kept
    // out of use with a line saying why.
    void dut1Edited();
    void showDut1Note();
    // Reads the gpsd host and port fields as typed: a good pair is used at once, and a bad
    // entry is kept out of use with a line saying why.
    void gpsdEdited();

    const QString m_toolbarItemTitle;
    const QIcon m_toolbarItemIcon;
    AppUtils::DefaultSettings &m_store;
    const std::unique_ptr<Ui::PreferencesGeneral> m_ui; // the outlets, set by loadView()
    QList<QRadioButton *> m_buttons; // the radio group, set by loadSettings()
    LocationSource m_currentLocationSource = LocationSource::useCoreLocation;
    ObserverSettings m_published; // the value last sent
    std::optional<TypedDut1> m_typedDut1; // the DUT1 in use, last sent
    QString m_dut1Problem; // why the field's text is not the DUT1 in use; empty when it is
    QPointer<QLineEdit> m_badEntry; // waiting to be selected again
    bool m_storedPositionUnusable = false; // as loaded, until the person types in either field
    QString m_gpsdHost; // the gpsd host and port in use, which a bad entry never replaces
    quint16 m_gpsdPort = 0;
};

#include "PreferencesGeneral.h"

#include "FieldValidation.h"
#include "SettingsKeys.h"
#include "StoredSettings.h"
#include "ui_PreferencesGeneral.h"

#include <AppUtils/DefaultSettings.h>
#include <AppUtils/LaunchAtLogin.h>
#include <Extensions/ButtonValue.h>
#include <Platform/TextField.h>
#include <Preferences/ThemedIcon.h>

#include <QApplication>
#include <QDateTime>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>

#include <utility>

using namespace Qt::StringLiterals;

PreferencesGeneral::PreferencesGeneral(AppUtils::DefaultSettings &store, QObject *parent)
    : Platform::ViewController(parent)
    , m_toolbarItemTitle(tr("General"))
    , m_toolbarItemIcon(Preferences::themedIcon(u"preferences-system"_s))
    , m_store(store)
    , m_ui(std::make_unique<Ui::PreferencesGeneral>())
{
}

PreferencesGeneral::~PreferencesGeneral()
{
    // Destroyed here, while the pane is whole: closing the view can end an edit, which calls
    // back into the pane.
    if (isViewLoaded())
        delete view();
}

QString PreferencesGeneral::toolbarItemTitle() const
{
    return m_toolbarItemTitle;
}

QIcon PreferencesGeneral::toolbarItemIcon() const
{
    return m_toolbarItemIcon;
}

QWidget *PreferencesGeneral::view()
{
    return Platform::ViewController::view();
}

PreferencesGeneral::LocationSource PreferencesGeneral::currentLocationSource() const
{
    return m_currentLocationSource;
}

ObserverSettings PreferencesGeneral::observerSettings()
{
    Ui::PreferencesGeneral &controls = ui();
    return {m_currentLocationSource, Platform::TextField::doubleValue(*controls.m_latitude),
        Platform::TextField::doubleValue(*controls.m_longitude), Extensions::boolValue(*controls.m_location_decimal),
        Extensions::boolValue(*controls.m_lst_24hours), m_storedPositionUnusable, m_gpsdHost, m_gpsdPort};
}

void PreferencesGeneral::loadSettings()
{
    Ui::PreferencesGeneral &controls = ui();
    // The address is free text; only the numeric fields are checked.
    for (QLineEdit *field :
        {controls.m_serverPort, controls.m_latitude, controls.m_longitude, controls.m_gpsdHost, controls.m_gpsdPort})
        connect(field, &QLineEdit::editingFinished, this, &PreferencesGeneral::editingDidEnd, Qt::UniqueConnection);
    m_buttons = {controls.m_sitech, controls.m_manual, controls.m_corelocation, controls.m_gpsd};

    const ObserverSettings stored = loadObserverSettings(m_store);
    Extensions::setBoolValue(
        *controls.m_launch_login, m_store.loadBool(SettingsKeys::launchAtLogin, SettingsDefaults::launchAtLogin));
    Extensions::setBoolValue(*controls.m_location_decimal, stored.decimal);
    Extensions::setBoolValue(*controls.m_lst_24hours, stored.lst24Hours);
    Extensions::setBoolValue(
        *controls.m_eop_download, m_store.loadBool(SettingsKeys::eopDownload, SettingsDefaults::eopDownload));
    m_storedPositionUnusable = stored.storedPositionUnusable;
    if (m_storedPositionUnusable) { // shown as stored, for the person to see and type over
        controls.m_latitude->setText(m_store.loadString(SettingsKeys::latitude, {}));
        controls.m_longitude->setText(m_store.loadString(SettingsKeys::longitude, {}));
    } else {
        Platform::TextField::setDoubleValue(*controls.m_latitude, stored.latitude);
        Platform::TextField::setDoubleValue(*controls.m_longitude, stored.longitude);
    }
    controls.m_serverIP->setText(m_store.loadString(SettingsKeys::serverIP, SettingsDefaults::serverIP));
    Platform::TextField::setIntegerValue(
        *controls.m_serverPort, m_store.loadInteger(SettingsKeys::serverPort, SettingsDefaults::serverPort));
    m_currentLocationSource = stored.source;
    m_gpsdHost = stored.gpsdHost;
    m_gpsdPort = stored.gpsdPort;
    controls.m_gpsdHost->setText(m_gpsdHost);
    Platform::TextField::setIntegerValue(*controls.m_gpsdPort, m_gpsdPort);

    m_typedDut1 = loadTypedDut1(m_store);
    {
        const QSignalBlocker quiet(controls.m_dut1); // a stored value keeps its stored day
        controls.m_dut1->setText(m_typedDut1 ? QString::number(m_typedDut1->seconds) : QString());
    }
    m_dut1Problem.clear();
    showDut1Note();

    syncLaunchAtLogin();
    updateLocationControls();
    m_published = observerSettings();
    Q_EMIT observerChanged(m_published);
    Q_EMIT typedDut1Changed(m_typedDut1);
    Q_EMIT earthOrientationDownloadChanged(Extensions::boolValue(*controls.m_eop_download));
}

bool PreferencesGeneral::saveSettings()
{
    Ui::PreferencesGeneral &controls = ui();
    // A save that fails leaves its value waiting in the store, so all of them are written first
    // and sync() then answers for all of them.
    m_store.saveBool(SettingsKeys::launchAtLogin, Extensions::boolValue(*controls.m_launch_login));
    m_store.saveBool(SettingsKeys::locationDecimal, Extensions::boolValue(*controls.m_location_decimal));
    m_store.saveBool(SettingsKeys::lst24Hours, Extensions::boolValue(*controls.m_lst_24hours));
    m_store.saveBool(SettingsKeys::eopDownload, Extensions::boolValue(*controls.m_eop_download));
    m_store.saveString(SettingsKeys::serverIP, controls.m_serverIP->text());
    m_store.saveInteger(SettingsKeys::serverPort, Platform::TextField::integerValue(*controls.m_serverPort));
    if (!m_storedPositionUnusable) { // else kept as the person wrote it, until they type one
        m_store.saveDouble(SettingsKeys::latitude, Platform::TextField::doubleValue(*controls.m_latitude));
        m_store.saveDouble(SettingsKeys::longitude, Platform::TextField::doubleValue(*controls.m_longitude));
    }
    m_store.saveInteger(SettingsKeys::locationSource, static_cast<qint64>(m_currentLocationSource));
    m_store.saveString(SettingsKeys::gpsdHost, m_gpsdHost); // the pair in use, not a bad entry
    m_store.saveInteger(SettingsKeys::gpsdPort, m_gpsdPort);
    // The DUT1 in use, which a bad entry in the field never replaced, to every digit typed.
    m_store.saveString(SettingsKeys::typedDut1,
        m_typedDut1 ? QString::number(m_typedDut1->seconds, 'g', QLocale::FloatingPointShortest) : QString());
    m_store.saveString(
        SettingsKeys::typedDut1Date, m_typedDut1 ? m_typedDut1->typedOn.toString(Qt::ISODate) : QString());
    return m_store.sync();
}

void PreferencesGeneral::updateLocationControls()
{
    Ui::PreferencesGeneral &controls = ui();
    for (QRadioButton *button : std::as_const(m_buttons))
        Extensions::setBoolValue(*button, false);
    for (QWidget *control :
        std::initializer_list<QWidget *>{controls.m_sitech, controls.m_serverIP, controls.m_serverPort,
            controls.m_latitude, controls.m_longitude, controls.m_gpsdHost, controls.m_gpsdPort})
        control->setEnabled(false);

    switch (m_currentLocationSource) {
    case LocationSource::useSiTech:
        Extensions::setBoolValue(*controls.m_sitech, true);
        controls.m_serverIP->setEnabled(true);
        controls.m_serverPort->setEnabled(true);
        break;
    case LocationSource::useManual:
        Extensions::setBoolValue(*controls.m_manual, true);
        controls.m_latitude->setEnabled(true);
        controls.m_longitude->setEnabled(true);
        break;
    case LocationSource::useCoreLocation:
        Extensions::setBoolValue(*controls.m_corelocation, true);
        break;
    case LocationSource::useGpsd:
        Extensions::setBoolValue(*controls.m_gpsd, true);
        controls.m_gpsdHost->setEnabled(true);
        controls.m_gpsdPort->setEnabled(true);
        break;
    }
    dimLabelsOfDisabledFields();
    publishObserver();
}

bool PreferencesGeneral::observeFrom(double latitude, double longitude)
{
    Ui::PreferencesGeneral &controls = ui();
    m_storedPositionUnusable = false;
    Platform::TextField::setDoubleValue(*controls.m_latitude, latitude);
    Platform::TextField::setDoubleValue(*controls.m_longitude, longitude);
    m_currentLocationSource = LocationSource::useManual;
    updateLocationControls(); // publishes the position
    return saveSettings();
}

void PreferencesGeneral::syncLaunchAtLogin()
{
    QCheckBox &box = *ui().m_launch_login;
    AppUtils::LaunchAtLogin agent;
    AppUtils::LaunchAtLogin::Result result;
    if (Extensions::boolValue(box)) {
        result = agent.writePlist();
        if (!result.succeeded()) {
            agent.unlinkAgent(); // ours when written but unusable; anything else stays
            Extensions::setBoolValue(box, false);
        }
        saveSettings();
    } else {
        result = agent.unlinkAgent();
    }
    showLaunchAtLoginProblem(result.failure);
}

void PreferencesGeneral::locationSource(QObject *sender)
{
    if (!qobject_cast<QAbstractButton *>(sender))
        return;
    Ui::PreferencesGeneral &controls = ui();
    if (sender == controls.m_sitech)
        m_currentLocationSource = LocationSource::useSiTech;
    else if (sender == controls.m_manual)
        m_currentLocationSource = LocationSource::useManual;
    else if (sender == controls.m_corelocation)
        m_currentLocationSource = LocationSource::useCoreLocation;
    else if (sender == controls.m_gpsd)
        m_currentLocationSource = LocationSource::useGpsd;
    updateLocationControls();
    saveSettings();
}

void PreferencesGeneral::launchAtLogin()
{
    syncLaunchAtLogin();
}

void PreferencesGeneral::optionsChanged()
{
    saveSettings();
}

void PreferencesGeneral::setEarthOrientationDownload(bool on)
{
    Extensions::setBoolValue(*ui().m_eop_download, on);
    saveSettings();
    Q_EMIT earthOrientationDownloadChanged(on);
}

void PreferencesGeneral::controlTextDidEndEditing(QLineEdit *field)
{
    if (!field || entryIsValid(*field).value_or(true))
        return;
    // Selecting it now, inside the focus change that ended the edit, would fight that change.
    m_badEntry = field;
    QMetaObject::invokeMethod(this, &PreferencesGeneral::reselectBadEntry, Qt::QueuedConnection);
}

void PreferencesGeneral::loadView(QWidget &view)
{
    m_ui->setupUi(&view);
}

void PreferencesGeneral::viewDidLoad()
{
    Ui::PreferencesGeneral &controls = *m_ui;
    m_buttons.clear(); // a new view has new buttons; loadSettings() forms the group again
    // The buttons stay auto-exclusive, as Qt makes them: a click on the button already on keeps
    // it on, and screen readers are told they are radio buttons, not check boxes.
    for (QRadioButton *button : {controls.m_sitech, controls.m_manual, controls.m_corelocation, controls.m_gpsd})
        connect(button, &QAbstractButton::clicked, this, [this, button] { locationSource(button); });
    connect(controls.m_launch_login, &QAbstractButton::clicked, this, &PreferencesGeneral::launchAtLogin);
    for (QCheckBox *option : {controls.m_location_decimal, controls.m_lst_24hours}) {
        connect(option, &QAbstractButton::clicked, this, &PreferencesGeneral::optionsChanged);
        connect(option, &QAbstractButton::toggled, this, &PreferencesGeneral::publishObserver);
    }
    // Every keystroke, not only the end of an edit: the clocks follow the fields as they are typed.
    for (QLineEdit *field : {controls.m_latitude, controls.m_longitude}) {
        connect(field, &QLineEdit::textEdited, this, [this] { m_storedPositionUnusable = false; });
        connect(field, &QLineEdit::textChanged, this, &PreferencesGeneral::publishObserver);
    }
    connect(controls.m_dut1, &QLineEdit::textChanged, this, &PreferencesGeneral::dut1Edited);
    connect(controls.m_eop_download, &QAbstractButton::clicked, this, &PreferencesGeneral::setEarthOrientationDownload);
    controls.m_dut1_note->setForegroundRole(QPalette::PlaceholderText);
    for (QLineEdit *field : {controls.m_gpsdHost, controls.m_gpsdPort})
        connect(field, &QLineEdit::textChanged, this, &PreferencesGeneral::gpsdEdited);
    controls.m_gpsd_note->setForegroundRole(QPalette::PlaceholderText);

    // The problem line reads as a note on the box: under its text, in the palette's secondary
    // text colour, and only while there is something to say.
    QStyleOptionButton box;
    box.initFrom(controls.m_launch_login);
    controls.m_launch_login_problem->setIndent(
        controls.m_launch_login->style()
            ->subElementRect(QStyle::SE_CheckBoxContents, &box, controls.m_launch_login)
            .left());
    controls.m_launch_login_problem->setForegroundRole(QPalette::PlaceholderText);
    showLaunchAtLoginProblem({});
}

Ui::PreferencesGeneral &PreferencesGeneral::ui()
{
    view(); // builds the controls on first use
    return *m_ui;
}

std::optional<bool> PreferencesGeneral::entryIsValid(const QLineEdit &field) const
{
    if (&field == m_ui->m_latitude)
        return validateDoubleField(field, FieldLimits::latitudeMin, FieldLimits::latitudeMax);
    if (&field == m_ui->m_longitude)
        return validateDoubleField(field, FieldLimits::longitudeMin, FieldLimits::longitudeMax);
    if (&field == m_ui->m_serverPort)
        return validateIntegerField(field, FieldLimits::portMin, FieldLimits::portMax);
    if (&field == m_ui->m_gpsdPort)
        return validateIntegerField(field, FieldLimits::connectablePortMin, FieldLimits::portMax);
    if (&field == m_ui->m_gpsdHost)
        return isValidHostEntry(field.text());
    return std::nullopt;
}

void PreferencesGeneral::editingDidEnd()
{
    controlTextDidEndEditing(qobject_cast<QLineEdit *>(sender()));
}

void PreferencesGeneral::reselectBadEntry()
{
    const QPointer<QLineEdit> field = std::exchange(m_badEntry, nullptr);
    // Hidden or inactive: the user closed the window or went elsewhere, and may.
    if (!field || !field->isEnabled() || !field->isVisible() || !field->window()->isActiveWindow())
        return;
    const auto *focused = qobject_cast<const QLineEdit *>(QApplication::focusWidget());
    if (focused && focused != field && !entryIsValid(*focused).value_or(true))
        return; // already in another bad entry: leave the user there
    Platform::TextField::selectText(*field);
}

void PreferencesGeneral::showLaunchAtLoginProblem(const QString &problem)
{
    Ui::PreferencesGeneral &controls = *m_ui;
    controls.m_launch_login_problem->setText(problem);
    controls.m_launch_login_problem->setVisible(!problem.isEmpty());
    // Screen readers announce it with the box, which is what has the focus.
    controls.m_launch_login->setAccessibleDescription(problem);
}

void PreferencesGeneral::publishObserver()
{
    ObserverSettings settings = observerSettings();
    if (settings == m_published)
        return;
    m_published = settings;
    Q_EMIT observerChanged(m_published);
}

void PreferencesGeneral::dut1Edited()
{
    const QString text = m_ui->m_dut1->text().trimmed();
    std::optional<TypedDut1> typed;
    m_dut1Problem.clear();
    if (const std::optional<double> seconds = doubleEntry(text, -dut1Limit, dut1Limit))
        typed = TypedDut1{*seconds, QDateTime::currentDateTimeUtc().date()};
    else if (!text.isEmpty())
        m_dut1Problem = tr("Not used: DUT1 is a number of seconds from −0.9 to +0.9");
    if (m_dut1Problem.isEmpty() && typed != m_typedDut1) {
        m_typedDut1 = typed;
        Q_EMIT typedDut1Changed(m_typedDut1);
    }
    showDut1Note();
}

void PreferencesGeneral::showDut1Note()
{
    QLabel &note = *m_ui->m_dut1_note;
    note.setText(!m_dut1Problem.isEmpty() ? m_dut1Problem
            : m_typedDut1                 ? tr("typed on %1").arg(m_typedDut1->typedOn.toString(Qt::ISODate))
                                          : QString());
    m_ui->m_dut1->setAccessibleDescription(note.text());
}

void PreferencesGeneral::gpsdEdited()
{
    Ui::PreferencesGeneral &controls = *m_ui;
    QString problem;
    if (!isValidHostEntry(controls.m_gpsdHost->text()))
        problem = tr("Not used: the host is a name or an address, without spaces");
    else if (!validateIntegerField(*controls.m_gpsdPort, FieldLimits::connectablePortMin, FieldLimits::portMax))
        problem = tr("Not used: the port is a whole number from 1 to 65535");
    else {
        m_gpsdHost = controls.m_gpsdHost->text();
        m_gpsdPort = quint16(Platform::TextField::integerValue(*controls.m_gpsdPort));
        publishObserver();
    }
    controls.m_gpsd_note->setText(problem);
    for (QLineEdit *field : {controls.m_gpsdHost, controls.m_gpsdPort})
        field->setAccessibleDescription(problem);
}

void PreferencesGeneral::dimLabelsOfDisabledFields()
{
    for (QLabel *label : view()->findChildren<QLabel *>()) {
        if (QWidget *field = label->buddy())
            label->setEnabled(field->isEnabled());
    }
}

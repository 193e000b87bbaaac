#include <Extensions/ButtonValue.h>
#include <Extensions/Titles.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum class Kind { CheckBox, Tristate, Radio, ExclusiveRadio };

std::unique_ptr<QAbstractButton> makeButton(Kind kind)
{
    if (kind == Kind::Radio || kind == Kind::ExclusiveRadio) {
        auto radio = std::make_unique<QRadioButton>();
        radio->setAutoExclusive(kind == Kind::ExclusiveRadio);
        return radio;
    }
    auto box = std::make_unique<QCheckBox>();
    box->setTristate(kind == Kind::Tristate);
    return box;
}

void setState(QAbstractButton &button, Qt::CheckState state)
{
    if (auto *box = qobject_cast<QCheckBox *>(&button))
        box->setCheckState(state);
    else
        button.setChecked(state != Qt::Unchecked);
}

Qt::CheckState stateOf(const QAbstractButton &button)
{
    if (const auto *box = qobject_cast<const QCheckBox *>(&button))
        return box->checkState();
    return button.isChecked() ? Qt::Checked : Qt::Unchecked;
}

// Answers as a translation would, but only for the context it is asked about.
class ContextTranslator : public QTranslator {
public:
    explicit ContextTranslator(const char *context) : m_context(context) {}
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *, const char *, int) const override
    {
        return qstrcmp(context, m_context) == 0 ? u"Einstellungen"_s : QString();
    }

private:
    const char *m_context;
};

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestControls : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void boolValue_data();
    void boolValue();
    void setBoolValue_data();
    void setBoolValue();
    void prefsTitleIsTranslatable();
};

void TestControls::boolValue_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<Qt::CheckState>("state");
    QTest::addColumn<bool>("expected");

    QTest::newRow("box off")       << Kind::CheckBox << Qt::Unchecked << false;
    QTest::newRow("box on")        << Kind::CheckBox << Qt::Checked << true;
    QTest::newRow("partial is off") << Kind::Tristate << Qt::PartiallyChecked << false;
    QTest::newRow("tristate on")   << Kind::Tristate << Qt::Checked << true;
    QTest::newRow("radio off")     << Kind::Radio << Qt::Unchecked << false;
    QTest::newRow("radio on")      << Kind::Radio << Qt::Checked << true;
}

void TestControls::boolValue()
{
    QFETCH(Kind, kind);
    QFETCH(Qt::CheckState, state);
    QFETCH(bool, expected);
    const auto button = makeButton(kind);
    setState(*button, state);
    QCOMPARE(Extensions::boolValue(*button), expected);
}

void TestControls::setBoolValue_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<Qt::CheckState>("before");
    QTest::addColumn<bool>("on");
    QTest::addColumn<Qt::CheckState>("after");

    QTest::newRow("box on")          << Kind::CheckBox << Qt::Unchecked << true << Qt::Checked;
    QTest::newRow("box off")         << Kind::CheckBox << Qt::Checked << false << Qt::Unchecked;
    QTest::newRow("partial to on")   << Kind::Tristate << Qt::PartiallyChecked << true << Qt::Checked;
    QTest::newRow("partial to off")  << Kind::Tristate << Qt::PartiallyChecked << false << Qt::Unchecked;
    QTest::newRow("radio on")        << Kind::Radio << Qt::Unchecked << true << Qt::Checked;
    QTest::newRow("radio off")       << Kind::Radio << Qt::Checked << false << Qt::Unchecked;
    QTest::newRow("exclusive radio off") << Kind::ExclusiveRadio << Qt::Checked << false << Qt::Unchecked;
}

void TestControls::setBoolValue()
{
    QFETCH(Kind, kind);
    QFETCH(Qt::CheckState, before);
    QFETCH(bool, on);
    QFETCH(Qt::CheckState, after);
    const auto button = makeButton(kind);
    setState(*button, before);
    QSignalSpy clicked(button.get(), &QAbstractButton::clicked);

    Extensions::setBoolValue(*button, on);
    QCOMPARE(stateOf(*button), after);
    QCOMPARE(Extensions::boolValue(*button), on);
    QCOMPARE(clicked.count(), 0); // a programmatic change is not the user's action
    QCOMPARE(button->autoExclusive(), kind == Kind::ExclusiveRadio);
}

void TestControls::prefsTitleIsTranslatable()
{
    QCOMPARE(Extensions::prefsTitle(), u"Horavane Preferences"_s);
    ContextTranslator german("Extensions");
    QCoreApplication::installTranslator(&german);
    const QString translated = Extensions::prefsTitle();
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(translated, u"Einstellungen"_s);
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"

#include "AppUtils/Donation.h"

#include "AppUtils/DefaultSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace AppUtils {

namespace {

constexpr auto hideAtLaunchKey = "Donation/hideAtLaunch"_L1;
constexpr qint64 maxMessageSize = 1024 * 1024;
// Laying out a word too long for a line takes time that grows with the square of its length,
// so the window shows a few pages at most: far more than a request for support needs, and
// quick to lay out whatever the file holds.
constexpr qsizetype maxShownLength = 10'000;

QPointer<Donation> &instance()
{
    static QPointer<Donation> donation;
    return donation;
}

QList<RtfRun> readMessage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.read(maxMessageSize + 1);
    return data.size() > maxMessageSize ? QList<RtfRun>() : RtfReader::read(data);
}

// The first maxShownLength characters of runs, and an ellipsis where text was left out.
QList<RtfRun> shortened(QList<RtfRun> runs)
{
    qsizetype left = maxShownLength;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        QString &text = runs[i].text;
        if (text.size() <= left) {
            left -= text.size();
            continue;
        }
        if (left > 0 && text[left - 1].isHighSurrogate())
            --left; // a character is never cut in half
        text.truncate(left);
        text += u'\u2026';
        runs.resize(i + 1);
        break;
    }
    return runs;
}

} // namespace

void Donation::newDonation(const QString &rtfPath, const QUrl &page)
{
    QPointer<Donation> &donation = instance();
    // A hidden window is closed and on its way out, or was never shown: start afresh.
    if (donation && !donation->isVisible())
        delete donation.data();
    if (!donation)
        donation = new Donation;
    donation->load(rtfPath, page);
}

Donation *Donation::shared()
{
    return instance();
}

bool Donation::staysHidden() const
{
    return Defaults().loadBool(hideAtLaunchKey, false);
}

void Donation::showWindow()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void Donation::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        showMessage(); // links take the colour of the new palette
    QDialog::changeEvent(event);
}

Donation::Donation()
    : m_message(new QTextBrowser(this))
    , m_hideAtLaunch(new QCheckBox(tr("Don't show this again"), this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Support %1").arg(QGuiApplication::applicationDisplayName()));

    m_message->setObjectName(u"message"_s);
    m_message->setAccessibleName(tr("Message"));
    m_message->setOpenLinks(false);
    // A long address or word is broken where it meets the edge, never widening the message.
    m_message->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_message->document()->setDocumentMargin(fontMetrics().height() / 2.0);
    connect(m_message, &QTextBrowser::anchorClicked, this, &Donation::openLink);

    m_hideAtLaunch->setObjectName(u"hideAtLaunch"_s);
    m_hideAtLaunch->setAccessibleDescription(
        tr("Keeps this window from opening when %1 starts").arg(QGuiApplication::applicationDisplayName()));
    m_hideAtLaunch->setChecked(staysHidden());
    connect(m_hideAtLaunch, &QCheckBox::toggled, this, [](bool hide) { Defaults().saveBool(hideAtLaunchKey, hide); });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *donate = buttons->addButton(tr("Donate…"), QDialogButtonBox::AcceptRole);
    donate->setObjectName(u"donate"_s);
    donate->setAccessibleDescription(tr("Opens the donation page in your web browser"));
    donate->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        openLink(m_page);
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_message);
    layout->addWidget(m_hideAtLaunch);
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 64, fontMetrics().height() * 16);

    // An open window at quit goes with the event loop, before the application object.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &QObject::deleteLater);
}

void Donation::load(const QString &rtfPath, const QUrl &page)
{
    m_runs = shortened(readMessage(rtfPath));
    if (m_runs.isEmpty()) {
        RtfRun thanks;
        thanks.text
            = tr("%1 is free software. Thank you for your support!").arg(QGuiApplication::applicationDisplayName());
        m_runs = {thanks};
    }
    m_page = page;
    showMessage();
}

void Donation::showMessage()
{
    QTextDocument *document = m_message->document();
    document->clear();
    QTextCursor cursor(document);
    cursor.beginEditBlock(); // the view lays the message out once, not once per run
    QTextBlockFormat paragraph;
    paragraph.setBottomMargin(fontMetrics().height() / 2.0);
    cursor.setBlockFormat(paragraph); // paragraphs that follow take it over
    for (const RtfRun &run : std::as_const(m_runs)) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(run.italic);
        if (!run.link.isEmpty()) {
            format.setAnchor(true);
            format.setAnchorHref(run.link);
            format.setFontUnderline(true);
            format.setForeground(palette().link());
            format.setToolTip(run.link);
        }
        cursor.insertText(run.text, format);
    }
    cursor.endEditBlock();
}

void Donation::openLink(const QUrl &url)
{
    // The message is a file on disk: only web and mail addresses go to the desktop, never a
    // local file or program.
    const QString scheme = url.scheme();
    if (scheme == "https"_L1 || scheme == "http"_L1 || scheme == "mailto"_L1)
        QDesktopServices::openUrl(url);
}

} // namespace AppUtils

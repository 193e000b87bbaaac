#pragma once

#include "AppUtils/RtfReader.h"

#include <QDialog>
#include <QList>
#include <QUrl>

class QCheckBox;
class QTextBrowser;

namespace AppUtils {

// The window that asks for a donation: a message read from a rich-text file, a "Donate…"
// button that opens the donation page in the web browser, and "Don't show this again",
// stored in the application's settings (Defaults(), "Donation/hideAtLaunch").
// There is at most one; closing it deletes it.
class Donation : public QDialog
{
    Q_OBJECT

public:
    // Makes shared() show the message of rtfPath and offer page. An open window is kept and
    // shows the new message, so there are never two. A file that cannot be read (or is larger
    // than 1 MiB) gives a short message of thanks instead; of a longer message the window
    // shows the first 10,000 characters and an ellipsis.
    static void newDonation(const QString &rtfPath, const QUrl &page);
    // The window of the last newDonation(); null before it, and from the moment a closed
    // window is deleted (the event loop deletes it soon after it closes).
    static Donation *shared();

    // Whether the user asked not to see the window at launch.
    bool staysHidden() const;
    // Shows the window, or brings it forward and restores it when minimised.
    void showWindow();

protected:
    void changeEvent(QEvent *event) override;

private:
    Donation();
    void load(const QString &rtfPath, const QUrl &page);
    void showMessage();
    void openLink(const QUrl &url);

    QTextBrowser *m_message;
    QCheckBox *m_hideAtLaunch;
    QList<RtfRun> m_runs;
    QUrl m_page;
};

} // namespace AppUtils

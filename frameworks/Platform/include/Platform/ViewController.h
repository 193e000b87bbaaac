#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace Platform {

// Owns one widget, its view, built on first use.
//
// The view may be placed into another widget (a QStackedWidget, a layout); the controller
// still destroys it when the controller itself is destroyed, and does nothing more if the
// view's new parent destroyed it first. A view destroyed that way is built afresh by the
// next view() call.
class ViewController : public QObject
{
    Q_OBJECT
public:
    explicit ViewController(QObject *parent = nullptr);
    ~ViewController() override;

    // The view. The first call builds it (loadView(), then viewDidLoad()); later calls
    // return the same widget. Never null.
    QWidget *view();

    // Whether the view exists, without building it.
    bool isViewLoaded() const;

protected:
    // Fills the new, parentless view (typically the uic class's setupUi(&view)).
    virtual void loadView(QWidget &view) = 0;
    // Runs once per built view, after loadView().
    virtual void viewDidLoad();

private:
    QPointer<QWidget> m_view;
};

} // namespace Platform

#pragma once

#include <QIcon>
#include <QString>

class QWidget;

namespace Preferences {

// One pane of the preferences window.
//
// A pane built on Platform::ViewController answers view() with ViewController::view():
//     QWidget *view() override { return Platform::ViewController::view(); }
class Preferenceable
{
public:
    virtual ~Preferenceable() = default;

    // The label of the pane's tool bar button, already translated.
    virtual QString toolbarItemTitle() const = 0;
    // The icon of the pane's tool bar button; a null icon shows the title alone.
    virtual QIcon toolbarItemIcon() const = 0;
    // The pane's contents, never null, the same widget on every call. The pane owns it:
    // the preferences window shows it while the window exists and hands it back,
    // parentless, when the window is destroyed.
    virtual QWidget *view() = 0;

protected:
    Preferenceable() = default;
};

} // namespace Preferences

#include "Platform/ViewController.h"

#include <QWidget>

namespace Platform {

ViewController::ViewController(QObject *parent)
    : QObject(parent)
{
}

ViewController::~ViewController()
{
    delete m_view.data(); // null when the view's parent already destroyed it
}

QWidget *ViewController::view()
{
    if (!m_view) {
        m_view = new QWidget;
        loadView(*m_view);
        viewDidLoad();
    }
    return m_view.data();
}

bool ViewController::isViewLoaded() const
{
    return !m_view.isNull();
}

void ViewController::viewDidLoad() {}

} // namespace Platform

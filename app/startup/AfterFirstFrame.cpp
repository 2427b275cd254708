#include "app/startup/AfterFirstFrame.h"

#include <QEvent>
#include <QWidget>

namespace app {

namespace {

class FirstPaintWatcher : public QObject
{
public:
    FirstPaintWatcher(QWidget &window, std::function<void()> then) : QObject(&window), m_then(std::move(then))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so it runs once the paint has been flushed to the window.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_then();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

void afterFirstFrame(QWidget &window, std::function<void()> then)
{
    new FirstPaintWatcher(window, std::move(then));
}

} // namespace app

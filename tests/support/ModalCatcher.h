#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace kesvar::test {

// Answers the message boxes a call under test opens, so offscreen tests do not block on them:
// while alive, each message box that appears is recorded (caption and text) and answered with
// `answer`. Any other modal dialog is handed to `onDialog` (or rejected).
class ModalCatcher
{
public:
    struct Seen
    {
        QString caption;
        QString text;
        QMessageBox::Icon icon;
    };

    explicit ModalCatcher(QMessageBox::StandardButton answer = QMessageBox::Ok,
                          std::function<void(QDialog *)> onDialog = {})
        : m_answer(answer), m_onDialog(std::move(onDialog))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    const QList<Seen> &seen() const { return m_seen; }
    QString lastText() const { return m_seen.isEmpty() ? QString() : m_seen.last().text; }
    QString lastCaption() const { return m_seen.isEmpty() ? QString() : m_seen.last().caption; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            m_seen.append({box->windowTitle(), box->text(), box->icon()});
            box->done(m_answer);
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            if (m_onDialog)
                m_onDialog(dialog);
            else
                dialog->reject();
        }
    }

    QMessageBox::StandardButton m_answer;
    std::function<void(QDialog *)> m_onDialog;
    QList<Seen> m_seen;
    QTimer m_timer;
};

} // namespace kesvar::test

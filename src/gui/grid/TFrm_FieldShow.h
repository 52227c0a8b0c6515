#pragma once

#include <QDialog>
#include <QString>

class QListWidget;
class QPushButton;

namespace kesvar {
class Database;
}

namespace kesvar::gui {

// The field chooser: which of a grid key's columns are shown. Works on the `show` flag of the key's
// T_FieldShow rows, by title; the grid takes the choice at its next set-up. Accepted only when the
// choice was stored.
class TFrm_FieldShow : public QDialog
{
    Q_OBJECT
public:
    TFrm_FieldShow(Database &db, const QString &chooserKey, QWidget *parent = nullptr);

private:
    void FormShow();
    void SP_rightClick();
    void SP_allrightClick();
    void SP_leftClick();
    void SP_allleftClick();
    void Btn_okClick();
    void updateButtons();
    static void moveSelected(QListWidget *from, QListWidget *to);
    static void moveAll(QListWidget *from, QListWidget *to);

    Database &m_db;
    QString m_chooserKey;
    QListWidget *SrcList;
    QListWidget *DstList;
    QPushButton *SP_right;
    QPushButton *SP_allright;
    QPushButton *SP_left;
    QPushButton *SP_allleft;
    QPushButton *Btn_ok;
    QPushButton *Btn_exit;
};

} // namespace kesvar::gui

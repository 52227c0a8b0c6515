#pragma once

#include "data/DatabaseSettings.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QSpinBox;
class QStackedWidget;

namespace kesvar::gui {

// Edits where the database lives (the [Database] section of Config.ini) after a failed connection:
// a SQLite file or a PostgreSQL server.
class DatabaseSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    DatabaseSettingsDialog(const DatabaseSettings &settings, const QString &dataFolder, QWidget *parent = nullptr);

    DatabaseSettings settings() const;

private:
    void browseFile();

    DatabaseSettings m_original;
    QString m_dataFolder;
    QComboBox *m_engine;
    QStackedWidget *m_pages;
    QLineEdit *m_file;
    QLineEdit *m_host;
    QSpinBox *m_port;
    QLineEdit *m_name;
    QLineEdit *m_user;
    QLineEdit *m_password;
    QLineEdit *m_schema;
};

} // namespace kesvar::gui

#include "maintenance/TFrm_Option.h"

#include "app/AppHome.h"
#include "app/Session.h"
#include "data/DbError.h"
#include "maintenance/Options.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kesvar::gui {

TFrm_Option::TFrm_Option(Session &session, QWidget *parent)
    : QDialog(parent),
      m_session(session),
      // The new instance works on this instance's data folder, however that one was chosen.
      m_startProgram([&session] {
          const QStringList arguments = session.home ? QStringList{QStringLiteral("--home"), session.home->folder().path()}
                                                     : QStringList{};
          return QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
      })
{
    setWindowTitle(QStringLiteral("系统设置"));
    Edit_Name = new QLineEdit(this);
    auto spin = [this] {
        auto *box = new QSpinBox(this);
        box->setRange(0, 9);
        box->setValue(2);
        return box;
    };
    SpinEdit1 = spin();
    SpinEdit2 = spin();
    SpinEdit3 = spin();
    Combo_JSFS = new QComboBox(this);
    Combo_JSFS->setEditable(true);
    Combo_JSFS->addItem(SoftInfo::MovingAverage);
    Edit1 = new QLineEdit(this);
    Edit1->setReadOnly(true);
    Edit1->setMaxLength(20);
    Button1 = new QPushButton(QStringLiteral("修改"), this);
    Button1->setAutoDefault(false);
    Btn_Ok = new QPushButton(QStringLiteral("确定"), this);
    Btn_Ok->setDefault(true);
    Btn_Close = new QPushButton(QStringLiteral("关闭"), this);
    Btn_Close->setAutoDefault(false);

    auto *top = new QFormLayout;
    top->addRow(QStringLiteral("程序名称"), Edit_Name);
    auto *decimals = new QGroupBox(QStringLiteral("小数点位数"), this);
    auto *places = new QFormLayout(decimals);
    places->addRow(QStringLiteral("单价"), SpinEdit1);
    places->addRow(QStringLiteral("数量/重量"), SpinEdit2);
    places->addRow(QStringLiteral("金额"), SpinEdit3);
    auto *bottom = new QFormLayout;
    bottom->addRow(QStringLiteral("成本价计算方式"), Combo_JSFS);
    auto *date = new QHBoxLayout;
    date->addWidget(Edit1);
    date->addWidget(Button1);
    bottom->addRow(QStringLiteral("日期格式"), date);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_Ok);
    buttons->addWidget(Btn_Close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(decimals);
    layout->addLayout(bottom);
    layout->addLayout(buttons);

    // Controls keep their component names, so tests and style sheets can find them.
    Edit_Name->setObjectName(QStringLiteral("Edit_Name"));
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit2->setObjectName(QStringLiteral("SpinEdit2"));
    SpinEdit3->setObjectName(QStringLiteral("SpinEdit3"));
    Combo_JSFS->setObjectName(QStringLiteral("Combo_JSFS"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Btn_Ok->setObjectName(QStringLiteral("Btn_Ok"));
    Btn_Close->setObjectName(QStringLiteral("Btn_Close"));

    connect(Btn_Ok, &QPushButton::clicked, this, &TFrm_Option::Btn_OkClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button1, &QPushButton::clicked, this, &TFrm_Option::Button1Click);

    if (m_session.home)
        Edit1->setText(WorkstationDateFormat::load(m_session.home->config()));
    FormShow();
}

void TFrm_Option::FormShow()
{
    const SoftInfo info = Options(*m_session.db).load();
    Edit_Name->setText(info.softName);
    SpinEdit1->setValue(info.dotPrice);
    SpinEdit2->setValue(info.dotNum);
    SpinEdit3->setValue(info.dotMon);
    Combo_JSFS->setCurrentText(info.cost);
}

void TFrm_Option::Btn_OkClick()
{
    Options options(*m_session.db);
    SoftInfo info = options.load();
    info.softName = Edit_Name->text();
    info.dotPrice = SpinEdit1->value();
    info.dotNum = SpinEdit2->value();
    info.dotMon = SpinEdit3->value();
    info.cost = Combo_JSFS->currentText();
    try {
        options.save(info);
    } catch (const RuleError &e) {
        QMessageBox::information(this, QStringLiteral("警告"), e.message());
        return;
    } catch (const DbError &e) {
        QMessageBox::critical(this, QStringLiteral("错误"), e.text());
        return;
    }
    // Only the decimals change for this run; title and costing method wait for the next start.
    m_session.options.takeDecimalsFrom(info);
    emit decimalsChanged();

    const auto answer = QMessageBox::question(this, QStringLiteral("提示"),
                                              QStringLiteral("修改成功！需要重启才能生效，是否马上重启？"),
                                              QMessageBox::Yes | QMessageBox::No);
    accept();
    if (answer != QMessageBox::Yes)
        return;
    if (m_startProgram())
        emit restartRequested();
    else // keep this instance rather than leave the user with no program at all
        QMessageBox::warning(this, QStringLiteral("提示"), QStringLiteral("无法重新启动程序，请手动重新启动。"));
}

void TFrm_Option::Button1Click()
{
    if (m_session.home)
        WorkstationDateFormat::save(m_session.home->config(), WorkstationDateFormat::Default);
}

} // namespace kesvar::gui

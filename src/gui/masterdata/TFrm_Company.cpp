#include "masterdata/TFrm_Company.h"

#include "app/Session.h"
#include "masterdata/CompanyInfo.h"
#include "masterdata/MasterDataDialogs.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kesvar::gui {

TFrm_Company::TFrm_Company(Session &session, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
{
    setWindowTitle(QStringLiteral("公司信息"));
    auto *group = new QGroupBox(QStringLiteral(" 请您如实填写以下信息 "), this);
    auto *form = new QFormLayout(group);
    // The lengths of the T_Company columns, so the store never refuses what was typed.
    auto addBox = [&](const QString &label, int maxLength) {
        auto *edit = new QLineEdit(group);
        edit->setMaxLength(maxLength);
        form->addRow(label, edit);
        return edit;
    };
    Edit_Company = addBox(QStringLiteral("公司名称:"), 200);
    Edit_Contact = addBox(QStringLiteral("联系人:"), 50);
    Edit_Address = addBox(QStringLiteral("联系地址:"), 200);
    Edit_Zip = addBox(QStringLiteral("邮政编码:"), 6);
    Edit_Tel = addBox(QStringLiteral("联系电话:"), 50);
    Edit_Fax = addBox(QStringLiteral("传  真:"), 50);
    Edit_Email = addBox(QStringLiteral("电子信箱:"), 100);

    auto *ok = new QPushButton(QStringLiteral("确定(&S)"), this);
    ok->setDefault(true);
    auto *exit = new QPushButton(QStringLiteral("取消(&Q)"), this);
    connect(ok, &QPushButton::clicked, this, &TFrm_Company::Btn_OkClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(exit);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    resize(420, 300);

    MasterDataDialogs::attempt(this, [&] {
        const Company c = CompanyInfo(*m_session.db).load();
        Edit_Company->setText(c.company);
        Edit_Contact->setText(c.contact);
        Edit_Address->setText(c.address);
        Edit_Zip->setText(c.zip);
        Edit_Tel->setText(c.tel);
        Edit_Fax->setText(c.fax);
        Edit_Email->setText(c.email);
    });
}

void TFrm_Company::Btn_OkClick()
{
    const Company company = {Edit_Company->text(), Edit_Contact->text(), Edit_Address->text(), Edit_Zip->text(),
                             Edit_Tel->text(), Edit_Fax->text(), Edit_Email->text()};
    if (!MasterDataDialogs::attempt(this, [&] { CompanyInfo(*m_session.db).save(company); }))
        return;
    MasterDataDialogs::warn(this, QStringLiteral("您的公司信息已保存！"));
    accept();
}

} // namespace kesvar::gui

#pragma once

#include <QWidget>

class QButtonGroup;
class QGridLayout;
class QStackedWidget;
class QToolButton;

namespace kesvar::gui {

class TFrm_Main;

// The navigation chart: picture buttons by business area on four pages. The buttons of the pages
// "仓库管理" and "统计分析" take their enabled state from the operator's authority each time their
// page button is pressed.
class TFrm_mainchild : public QWidget
{
    Q_OBJECT
public:
    explicit TFrm_mainchild(TFrm_Main &main, QWidget *parent = nullptr);

    // The chart's button with this object name ("fcImageBtn20"), for the authority and for tests.
    QToolButton *button(const QString &name) const;
    // Shows the page of page button 1..4 as pressing it does.
    void showPage(int pageButton);
    int currentPage() const;

private:
    QWidget *buildPageColumn();
    QWidget *buildBanner();
    QWidget *buildBasicPage();
    QWidget *buildBillsPage();
    QWidget *buildStockPage();
    QWidget *buildStatsPage();
    QToolButton *pictureButton(const QString &name, const QString &caption, const QString &icon,
                               std::function<void()> handler);
    QWidget *picture(const QString &icon, int size);
    void applyAuthority(QWidget *page);
    void openBill(const char *type, const char *direction);

    TFrm_Main &m_main;
    QButtonGroup *m_pageButtons = nullptr;
    QStackedWidget *m_pages = nullptr;
};

} // namespace kesvar::gui

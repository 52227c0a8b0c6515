#pragma once

class QAction;

namespace kesvar::gui {

// The main window's shared bill commands. The bill window's toolbar buttons run them, so the
// operator's authority (their enabled state) governs the buttons whatever state the window is in;
// while the window is open their handlers act on it. Any of them may be missing (then the
// window checks the session's authority itself).
struct BillCommandActions
{
    QAction *addBill = nullptr;
    QAction *editBill = nullptr;
    QAction *delBill = nullptr;
    QAction *saveBill = nullptr;
    QAction *checkBill = nullptr;
    QAction *unCheckBill = nullptr;
    QAction *print = nullptr;
};

} // namespace kesvar::gui

// CYesNoContinueDlg: the warning that asks whether to go on, as the review before filing uses it.
#pragma once

class CString;
class QWidget;

class CYesNoContinueDlg
{
public:
    // Shows the text under the title with Yes (go on) and No; true when the user goes on.
    static bool warnYesNoMsg(QWidget *parent, const CString &title, const CString &text);
};

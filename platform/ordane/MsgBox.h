// The framework's message boxes by edition: title, information box, Yes/No question.
#pragma once

#include "ordane/CString.h"

class QWidget;

// The product title for an edition (1 EFILE, 2 NETFILE).
CString gMsgGetTitle(unsigned char edition);
// Information box with an Ok button; returns the button value (QMessageBox::Ok).
int gMsgInformation(unsigned char edition, const CString &text, QWidget *parent);
// Question box with Yes and No; returns the Qt button value (Yes 16384, No 65536, or another
// value when the box was closed otherwise).
int gMsgQuestion(unsigned char edition, const CString &text, QWidget *parent);

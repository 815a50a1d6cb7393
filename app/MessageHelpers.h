// The message helpers every subsystem uses, titled by the edition.
#pragma once

#include <QMessageBox>

#include "ordane/CString.h"

class QWidget;

// Information box; a null parent means the main window. Returns 1.
int showInformation(const CString &text, QWidget *parent = nullptr);
// Yes/No question; a null parent means the main window. True for Ok or Yes.
bool askQuestion(const CString &text, QWidget *parent = nullptr);
// Question box with the caller's buttons and no default; the parent is used as given.
// Returns the button pressed.
int askQuestionButtons(const CString &text, QWidget *parent, QMessageBox::StandardButtons buttons);

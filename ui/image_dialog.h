#pragma once
// A modal dialog that edits the image of a document. Its caller (the main
// window's editor commands) passes the image of the document it chose at
// each opening, so that a dialog kept between openings never looks a
// document up itself.

#include "ui/dialog_frame.h"

#include <QDialog>

class RadioImage;

class ImageDialog : public QDialog {
public:
    explicit ImageDialog(QWidget* parent = nullptr) : QDialog(parent, kDialogFrame) {}

    // Runs the dialog modally on image; returns Accepted or Rejected.
    virtual int DoModal(RadioImage& image) = 0;
};

#pragma once
// The splash window shown while the program starts.

#include <QWidget>

class TfrmBack : public QWidget {
    Q_OBJECT
public:
    explicit TfrmBack(QWidget* parent = nullptr);
    ~TfrmBack() override;
};

extern TfrmBack* frmBack;

// Closes and frees the splash window if it is still there.
void closeSplash();

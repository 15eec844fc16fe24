#pragma once
// Window classes that are a template configured by a row of a table: the
// class exists only so that the window has a name of its own, by which the
// frame opens it and the data module finds its buttons. For a class TfrmX
// declared with a constructor (QWidget* parent) and a destructor, defines the
// global frmX that refers to the open window (or is null) and both members,
// the constructor passing config("TfrmX") to the template.

#define CONFIGURED_WINDOW(Name, Template, config)                            \
    Tfrm##Name* frm##Name = nullptr;                                         \
    Tfrm##Name::Tfrm##Name(QWidget* parent)                                  \
        : Template(config("Tfrm" #Name), parent)                             \
    {                                                                        \
    }                                                                        \
    Tfrm##Name::~Tfrm##Name()                                                \
    {                                                                        \
        if (frm##Name == this)                                               \
            frm##Name = nullptr;                                             \
    }

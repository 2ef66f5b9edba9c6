#pragma once
// The builder the design table is written with: D(&Form1::Picture3, "Picture3").at(...)...
// The row's kind is the type of the member it fills, so a row and its member cannot disagree.

#include "Form1.h"
#include "FormDesign.h"

#include <type_traits>

namespace lumeport {

void ApplyDesign(Control& c, const ControlDesign& d);
void ApplyDesign(Label& c, const ControlDesign& d);
void ApplyDesign(PictureBox& c, const ControlDesign& d);
void ApplyDesign(Image& c, const ControlDesign& d);
void ApplyDesign(CommandButton& c, const ControlDesign& d);
void ApplyDesign(TreeView& c, const ControlDesign& d);
void ApplyDesign(TextBox& c, const ControlDesign& d);
void ApplyDesign(MediaWindow& c, const ControlDesign& d);
QTimer* CreateTimer(Form1& form, const ControlDesign& d);

template <class T> T* CreateControl(Form1& form, const ControlDesign& d) {
    QWidget* parent = form.containerWidget(d.container);
    T* control;
    if constexpr (std::is_same_v<T, TextBox>)
        control = new T(d.name, parent, form.pixelsPerTwip(), d.multiLine);
    else
        control = new T(d.name, parent, form.pixelsPerTwip());
    control->setParent(&form);
    ApplyDesign(*control, d);
    form.registerControl(control, d.index);
    return control;
}

class D {
public:
    template <class T> D(T* Form1::*member, const char* name) {
        row_.name = QString::fromUtf8(name);
        if constexpr (std::is_same_v<T, QTimer>)
            row_.create = [member](Form1& f, const ControlDesign& d) {
                f.*member = CreateTimer(f, d);
            };
        else
            row_.create = [member](Form1& f, const ControlDesign& d) {
                f.*member = CreateControl<T>(f, d);
            };
    }
    template <class T> D(ControlArray<T> Form1::*member, const char* name, int index) {
        row_.name = QString::fromUtf8(name);
        row_.index = index;
        row_.create = [member](Form1& f, const ControlDesign& d) {
            (f.*member).set(d.index, CreateControl<T>(f, d));
        };
    }

    D& in(const char* container) { return set(row_.container, QString::fromUtf8(container)); }
    D& at(double left, double top) {
        row_.left = left;
        row_.top = top;
        return *this;
    }
    D& size(double width, double height) {
        row_.width = width;
        row_.height = height;
        return *this;
    }
    D& caption(const char* text) { return set(row_.caption, QString::fromUtf8(text)); }
    D& font(const char* family, double points, bool bold = false) {
        row_.font = FontDesign{QString::fromUtf8(family), points, bold};
        return set(row_.hasFont, true);
    }
    D& fore(QRgb rgb) { return set(row_.fore, QColor(rgb)); }
    D& back(QRgb rgb) { return set(row_.back, QColor(rgb)); }
    D& back(const QColor& colour) { return set(row_.back, colour); }
    D& opaque() { return set(row_.opaque, true); }
    D& autoSize() { return set(row_.autoSize, true); }
    D& wordWrap() { return set(row_.wordWrap, true); }
    D& hidden() { return set(row_.visible, false); }
    D& disabled() { return set(row_.enabled, false); }
    D& hand() { return set(row_.hand, true); }
    D& border() { return set(row_.border, true); }
    D& stretch() { return set(row_.stretch, true); }
    D& multiLine() { return set(row_.multiLine, true); }
    D& tooltipLook() { return set(row_.tooltipLook, true); }
    D& picture(Art art) { return set(row_.picture, art); }
    D& interval(int ms) { return set(row_.interval, ms); }
    D& off() { return set(row_.enabled, false); }
    D& singleShot() { return set(row_.singleShot, true); }

    operator ControlDesign() const { return row_; }

private:
    template <class V, class W> D& set(V& field, W value) {
        field = value;
        return *this;
    }
    ControlDesign row_;
};

#define C(member) D(&Form1::member, #member)
#define CA(member, index) D(&Form1::member, #member, index)

} // namespace lumeport

#pragma once
// A control array: elements indexed per row, word or sentence. Element 0 is the invisible
// template; loading element i makes a copy of the template in the same container.

#include <QObject>
#include <vector>

namespace lumeport {

template <class T> class ControlArray {
public:
    T* operator[](int i) const {
        return i >= 0 && i < static_cast<int>(items_.size()) ? items_[static_cast<size_t>(i)]
                                                             : nullptr;
    }
    T* Template() const { return (*this)[0]; }
    // The highest index that holds an element, or -1 for none.
    int upperBound() const {
        for (int i = static_cast<int>(items_.size()) - 1; i >= 0; --i)
            if (items_[static_cast<size_t>(i)]) return i;
        return -1;
    }

    void set(int i, T* control) {
        if (i >= static_cast<int>(items_.size())) items_.resize(static_cast<size_t>(i) + 1);
        items_[static_cast<size_t>(i)] = control;
    }

    // A new, hidden element i that looks like the template.
    T* Load(int i) {
        T* model = Template();
        if (!model || i <= 0 || (*this)[i]) return (*this)[i];
        auto* element =
            new T(model->name(), model->widget()->parentWidget(), model->pixelsPerTwip());
        element->setParent(model->parent());
        element->copyLookFrom(*model);
        element->setGeometry(model->left(), model->top(), model->width(), model->height());
        element->setVisible(false);
        set(i, element);
        return element;
    }

    // Removes element i. Deletion waits for the event loop, because the element may be the
    // one whose click is being handled.
    void Unload(int i) {
        T* element = (*this)[i];
        if (!element || i == 0) return;
        element->setVisible(false);
        element->deleteLater();
        items_[static_cast<size_t>(i)] = nullptr;
    }

    // Removes every element but the template.
    void UnloadAll() {
        for (int i = upperBound(); i >= 1; --i)
            Unload(i);
        items_.resize(items_.empty() ? 0 : 1);
    }

private:
    std::vector<T*> items_;
};

} // namespace lumeport

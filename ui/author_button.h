#pragma once

#include <QRadioButton>

namespace quillomar {

// An author's option button: the whole coloured bar takes the click, not
// just the indicator and the caption.
class AuthorButton : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

} // namespace quillomar

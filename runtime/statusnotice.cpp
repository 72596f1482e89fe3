#include "statusnotice.h"

namespace zerkovan {

StatusNotice::StatusNotice(QWidget *parent)
    : QLabel(parent)
{
    setGeometry(0, 0, 0, 0);
    hide();
}

void StatusNotice::say(const QString &text)
{
    hide();
    setText(text);
    show();
}

void StatusNotice::clear()
{
    hide();
    setText({});
}

} // namespace zerkovan

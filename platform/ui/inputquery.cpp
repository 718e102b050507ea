#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/ui/dialogs.h"
#include "platform/ui/qtconvert.h"

namespace {
TInputQueryHook& InputQueryHook()
{
    static TInputQueryHook hook;
    return hook;
}
} // namespace

void SetInputQueryHook(TInputQueryHook Hook)
{
    InputQueryHook() = std::move(Hook);
}

bool InputQuery(const std::string& Caption, const std::string& Prompt, std::string& Value)
{
    if (const TInputQueryHook& hook = InputQueryHook()) {
        std::string answer = Value;
        if (!hook(Caption, Prompt, answer))
            return false;
        Value = answer;
        return true;
    }
    QDialog dialog;
    dialog.setWindowTitle(ToQString(Caption));
    auto* layout = new QVBoxLayout(&dialog);
    auto* prompt = new QLabel(ToQString(Prompt), &dialog);
    auto* edit = new QLineEdit(ToQString(Value), &dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    prompt->setBuddy(edit);
    edit->selectAll();
    edit->setMinimumWidth(240);
    layout->addWidget(prompt);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    Value = FromQString(edit->text());
    return true;
}

std::string InputBox(const std::string& Caption, const std::string& Prompt, const std::string& Default)
{
    std::string value = Default;
    return InputQuery(Caption, Prompt, value) ? value : Default;
}

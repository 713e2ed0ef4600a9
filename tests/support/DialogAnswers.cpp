#include "support/DialogAnswers.h"

#include "ui/dialogs/ApplicationTitle.h"

using namespace Qt::StringLiterals;

DialogAnswers::DialogAnswers() {
    velmora::answerMessagesWith([this](const velmora::Message& message) { return answer(message); });
    velmora::answerFileNamesWith([this](const QFileDialog& dialog) { return answer(dialog); });
}

DialogAnswers::~DialogAnswers() {
    velmora::answerMessagesWith({});
    velmora::answerFileNamesWith({});
}

DialogAnswers& DialogAnswers::answerMessage(QMessageBox::StandardButton button) {
    m_buttons.push_back(button);
    return *this;
}

DialogAnswers& DialogAnswers::answerFileName(const QString& name) {
    m_names.push_back(name);
    return *this;
}

QMessageBox::StandardButton DialogAnswers::answer(const velmora::Message& message) {
    texts << message.text;
    if (message.name == u"StoreProblemNotice")
        seen << u"notice | "_s + message.text;
    else
        seen << u"%1 | %2 | icon %3 | %4 button(s)"_s.arg(velmora::applicationTitle(), message.text)
                    .arg(int(message.icon))
                    .arg(qPopulationCount(uint(message.buttons.toInt())));
    if (whenAsked)
        whenAsked();
    if (m_buttons.empty()) {
        m_unexpected << u"unexpected message: "_s + message.text;
        return QMessageBox::Ok;
    }
    const QMessageBox::StandardButton button = m_buttons.front();
    m_buttons.pop_front();
    return button;
}

QString DialogAnswers::answer(const QFileDialog& dialog) {
    fileRequests << FileRequest{&dialog, dialog.acceptMode(), dialog.nameFilters(), dialog.defaultSuffix(),
                                !dialog.testOption(QFileDialog::DontConfirmOverwrite)};
    seen << u"file dialog"_s;
    if (whenAsked)
        whenAsked();
    if (m_names.empty()) {
        m_unexpected << u"unexpected file dialog"_s;
        return {};
    }
    const QString name = m_names.front();
    m_names.pop_front();
    return name;
}

QStringList DialogAnswers::notices() const {
    QStringList found;
    for (const QString& entry : seen) {
        if (entry.startsWith(u"notice | "))
            found << entry;
    }
    return found;
}

QString DialogAnswers::problems() const {
    QStringList problems = m_unexpected;
    if (!m_buttons.empty() || !m_names.empty())
        problems << u"%1 answer(s) never asked for"_s.arg(m_buttons.size() + m_names.size());
    return problems.join(u"; ");
}

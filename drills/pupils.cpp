#include "drills/pupils.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/fonts.h"
#include "ui/message.h"
#include "ui/savefile.h"
#include "ui/settings.h"

namespace velunda::ui {
namespace {

constexpr auto kIdKey = "pupil/id";
constexpr auto kNameKey = "pupil/name";
constexpr auto kClassKey = "pupil/class";
constexpr int kAddItem = -1;  // the data of the entry "添加学生…"

}  // namespace

CurrentPupil& CurrentPupil::instance() {
    static auto* pupil = new CurrentPupil;  // lives as long as the program
    return *pupil;
}

CurrentPupil::CurrentPupil() {
    const ProgramSettings& settings = ProgramSettings::instance();
    chosen_ = settings.value(kIdKey).toInt() > 0;
    pupil_ = {chosen_ ? settings.value(kIdKey).toInt() : 1, settings.value(kNameKey, "学生1").toString(),
              settings.value(kClassKey).toString()};
    if (chosen_) SetFileOwner(pupil_.name);
}

void CurrentPupil::choose(const Pupil& pupil) {
    if (pupil.id <= 0) return;
    pupil_ = pupil;
    chosen_ = true;
    ProgramSettings& settings = ProgramSettings::instance();
    settings.setValue(kIdKey, pupil.id);
    settings.setValue(kNameKey, pupil.name);
    settings.setValue(kClassKey, pupil.className);
    SetFileOwner(pupil.name);
    HistoryStore::Shared().setPupil(pupil);
    emit changed();
}

QString PupilText(const Pupil& pupil) {
    return pupil.className.isEmpty() ? pupil.name : pupil.name + "（" + pupil.className + "）";
}

PupilBox::PupilBox(QWidget* parent) : QComboBox(parent) {
    setObjectName("cmbPupil");
    setAccessibleName("学生");
    setToolTip("谁在用 Velunda：口算的记录、错题本和解题记录按学生分开保存");
    fill({CurrentPupil::instance().pupil()});
    connect(this, &QComboBox::activated, this, &PupilBox::chosen);
    connect(&CurrentPupil::instance(), &CurrentPupil::changed, this,
            [this] { fill({CurrentPupil::instance().pupil()}); });
}

void PupilBox::showPopup() {
    std::vector<Pupil> pupils = HistoryStore::Shared().pupils();
    // No history to read (it cannot be opened): the chosen pupil alone.
    if (pupils.empty()) pupils.push_back(CurrentPupil::instance().pupil());
    fill(pupils);
    QComboBox::showPopup();
}

void PupilBox::fill(const std::vector<Pupil>& pupils) {
    const int current = CurrentPupil::instance().pupil().id;
    clear();
    for (const Pupil& p : pupils) {
        addItem(PupilText(p), p.id);
        setItemData(count() - 1, p.name, Qt::UserRole + 1);
        setItemData(count() - 1, p.className, Qt::UserRole + 2);
        if (p.id == current) setCurrentIndex(count() - 1);
    }
    addItem("添加学生…", kAddItem);
}

void PupilBox::chosen(int index) {
    const int id = itemData(index).toInt();
    if (id == kAddItem) {
        if (const auto added = AddPupilDialog(window(), HistoryStore::Shared()))
            CurrentPupil::instance().choose(*added);
        fill({CurrentPupil::instance().pupil()});
        return;
    }
    if (id == CurrentPupil::instance().pupil().id) return;
    CurrentPupil::instance().choose(
        {id, itemData(index, Qt::UserRole + 1).toString(), itemData(index, Qt::UserRole + 2).toString()});
}

std::optional<Pupil> AddPupilDialog(QWidget* parent, HistoryStore& store) {
    QDialog dialog(parent);
    dialog.setObjectName("dlgAddPupil");
    dialog.setWindowTitle("添加学生");
    dialog.setFont(MakeFont(SimSun(10.5)));
    auto* name = new QLineEdit(&dialog);
    name->setObjectName("txtName");
    name->setAccessibleName("姓名");
    auto* className = new QLineEdit(&dialog);
    className->setObjectName("txtClass");
    className->setAccessibleName("班级");
    className->setPlaceholderText("例如 三年级2班（可以不填）");
    auto* form = new QFormLayout;
    form->addRow("姓名：", name);
    form->addRow("班级：", className);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton("添加", QDialogButtonBox::AcceptRole)->setObjectName("cmdAdd");
    buttons->addButton("取消", QDialogButtonBox::RejectRole)->setObjectName("cmdCancel");
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    std::optional<Pupil> added;
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        Pupil pupil{0, name->text(), className->text()};
        if (const QString refused = store.addPupil(&pupil); !refused.isEmpty()) {
            // What was typed stays, to be mended.
            ShowMessageBox(&dialog, refused, Icon::Information, "添加学生");
            name->setFocus();
            return;
        }
        added = pupil;
        dialog.accept();
    });
    dialog.exec();
    return added;
}

void AskPupilAtFirstDrill(QWidget* parent) {
    if (CurrentPupil::instance().chosen()) return;
    HistoryStore& store = HistoryStore::Shared();
    QDialog dialog(parent);
    dialog.setObjectName("dlgPupil");
    dialog.setWindowTitle("谁来练习？");
    dialog.setFont(MakeFont(SimSun(10.5)));
    auto* pupils = new QComboBox(&dialog);
    pupils->setObjectName("cmbWho");
    pupils->setAccessibleName("学生");
    auto fill = [&](int chosen) {
        pupils->clear();
        for (const Pupil& p : store.pupils()) {
            pupils->addItem(PupilText(p), p.id);
            if (p.id == chosen) pupils->setCurrentIndex(pupils->count() - 1);
        }
    };
    fill(CurrentPupil::instance().pupil().id);
    auto* add = new QPushButton("添加学生…", &dialog);
    add->setObjectName("cmdAddPupil");
    QObject::connect(add, &QPushButton::clicked, &dialog, [&] {
        if (const auto added = AddPupilDialog(&dialog, store)) fill(added->id);
    });
    auto* row = new QHBoxLayout;
    row->addWidget(pupils, 1);
    row->addWidget(add);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton("开始练习", QDialogButtonBox::AcceptRole)->setObjectName("cmdStart");
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel("口算的记录和错题本按学生分开保存。请选你的名字，或者添加一位学生：", &dialog));
    layout->addLayout(row);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    // Closed without a choice: the drill goes on for the first pupil, and asks again next time.
    if (dialog.exec() != QDialog::Accepted || pupils->currentIndex() < 0) return;
    for (const Pupil& p : store.pupils())
        if (p.id == pupils->currentData().toInt()) return CurrentPupil::instance().choose(p);
}

}  // namespace velunda::ui

// The pupils who share one computer: the one chosen (remembered across runs), the
// menu's box to choose or add one, and the question at the first drill.
#pragma once

#include <QComboBox>
#include <QObject>
#include <optional>

#include "drills/historystore.h"

namespace velunda::ui {

// The pupil whose answers the drills record and whose history the windows show, kept
// in the settings. Before any is chosen it is the first pupil, 学生1.
class CurrentPupil : public QObject {
    Q_OBJECT

public:
    static CurrentPupil& instance();

    const Pupil& pupil() const { return pupil_; }
    // A pupil has been chosen on this computer (in the menu or at a drill).
    bool chosen() const { return chosen_; }
    // The program's store follows at once; then changed() is emitted.
    void choose(const Pupil& pupil);

signals:
    void changed();

private:
    CurrentPupil();

    Pupil pupil_;
    bool chosen_ = false;
};

// "张三（三年级2班）", or the name alone without a class.
QString PupilText(const Pupil& pupil);

// The menu's cmbPupil: the pupil chosen, the others and "添加学生…". The list is read
// from the store only when it drops down, so that nothing is opened at start-up.
class PupilBox : public QComboBox {
public:
    explicit PupilBox(QWidget* parent = nullptr);
    void showPopup() override;

private:
    void fill(const std::vector<Pupil>& pupils);
    void chosen(int index);
};

// The small dialog that adds a pupil: name and class. Refuses an empty name or one
// already taken, with the reason, keeping what was typed. The pupil added, if any.
std::optional<Pupil> AddPupilDialog(QWidget* parent, HistoryStore& store);

// At the first drill on this computer: who is practising, one of the pupils or a new
// one. Returns at once when a pupil was chosen before.
void AskPupilAtFirstDrill(QWidget* parent);

}  // namespace velunda::ui

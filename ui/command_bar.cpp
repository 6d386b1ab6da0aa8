#include "command_bar.h"

#include "control_placement.h"

#include <QGroupBox>
#include <QPushButton>

using namespace breathlab;

CommandBar::CommandBar(QWidget* client) : QObject(client) {
    setObjectName("commandBar");
    startButton_ = AddButton("startButton", tr("START"), client, &CommandBar::startClicked);
    resetButton_ = AddButton("resetButton", tr("reset"), client, &CommandBar::resetClicked);
    resetAllButton_ =
        AddButton("resetAllButton", tr("reset all"), client, &CommandBar::resetAllClicked);
    resetAllButton_->hide();
    pauseButton_ = AddButton("pauseButton", tr("pause"), client, &CommandBar::pauseClicked);
    animationSpeedButton_ =
        AddButton("animationSpeedButton", "3", client, &CommandBar::speedClicked);
    animationButton_ =
        AddButton("animationButton", tr("animation"), client, &CommandBar::animationClicked);

    selectedRowBox_ = new QGroupBox(tr("Selected row"), client);
    selectedRowBox_->setObjectName("selectedRowBox");
    deleteRowButton_ = AddButton("deleteRowButton", tr("Delete row"), selectedRowBox_,
                                 &CommandBar::deleteRowClicked);
    useAsReferenceButton_ = AddButton("useAsReferenceButton", tr("Use as ref."), selectedRowBox_,
                                      &CommandBar::useAsReferenceClicked);
    settingsButton_ =
        AddButton("settingsButton", tr("Settings"), selectedRowBox_, &CommandBar::settingsClicked);
    settingsButton_->hide();
}

QPushButton* CommandBar::AddButton(const char* name, const QString& text, QWidget* parent,
                                   void (CommandBar::*clicked)()) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, clicked);
    return button;
}

void CommandBar::MeasureTextFits(TextFits& fits) const {
    fits.startButton = ButtonFit(startButton_);
    fits.resetButton = ButtonFit(resetButton_);
    fits.resetAllButton = ButtonFit(resetAllButton_);
    fits.pauseButton = ButtonFit(pauseButton_);
    fits.animationSpeedButton = ButtonFit(animationSpeedButton_);
    fits.animationButton = ButtonFit(animationButton_);
    fits.deleteRowButton = ButtonFit(deleteRowButton_);
    fits.useAsReferenceButton = ButtonFit(useAsReferenceButton_);
    fits.settingsButton = ButtonFit(settingsButton_);
    fits.SelectedRowBoxWidth = GroupTitleFit(selectedRowBox_);
}

void CommandBar::Place(const StartupLayout& L) {
    PlaceControl(startButton_, L.startButton);
    PlaceControl(resetButton_, L.resetButton);
    PlaceControl(resetAllButton_, L.resetAllButton);
    PlaceControl(pauseButton_, L.pauseButton);
    PlaceControl(animationSpeedButton_, L.animationSpeedButton);
    PlaceControl(animationButton_, L.animationButton);
    PlaceControl(selectedRowBox_, L.selectedRowBox);
    PlaceControl(deleteRowButton_, L.deleteRowButton);
    PlaceControl(useAsReferenceButton_, L.useAsReferenceButton);
    PlaceControl(settingsButton_, L.settingsButton);
}

void CommandBar::SetCommandsEnabled(bool enabled) {
    for (QPushButton* button :
         {resetButton_, startButton_, deleteRowButton_, useAsReferenceButton_, animationButton_,
          pauseButton_, animationSpeedButton_, resetAllButton_, settingsButton_})
        button->setEnabled(enabled);
}

bool CommandBar::SetControlEnabled(AnimationControl control, bool enabled) {
    const std::pair<AnimationControl, QPushButton*> buttons[] = {
        {AnimationControl::ResetButton, resetButton_},
        {AnimationControl::StartButton, startButton_},
        {AnimationControl::DeleteRowButton, deleteRowButton_},
        {AnimationControl::UseAsReferenceButton, useAsReferenceButton_},
        {AnimationControl::AnimationButton, animationButton_},
        {AnimationControl::ResetAllButton, resetAllButton_},
        {AnimationControl::SettingsButton, settingsButton_},
    };
    for (const auto& [which, button] : buttons) {
        if (which != control) continue;
        button->setEnabled(enabled);
        return true;
    }
    return false;
}

void CommandBar::SetPauseText(const QString& text) {
    pauseButton_->setText(text);
}

void CommandBar::SetSpeedText(const QString& text) {
    animationSpeedButton_->setText(text);
}

QWidget* CommandBar::StartControl() const {
    return startButton_;
}

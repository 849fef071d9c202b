#pragma once

#include <QWidget>

class EditorCore;

// Form3: the torque curve window. It mirrors the core's torque slots
// (Text21(41)..Text21(64)) and draws them as a graph.
class TorqueWindow : public QWidget {
    Q_OBJECT
public:
    explicit TorqueWindow(EditorCore &core, QWidget *parent = nullptr);

private:
    EditorCore &m_core;
};

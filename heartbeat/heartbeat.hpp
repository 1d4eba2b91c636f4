#pragma once

#include <QObject>

namespace tovalin {

class Form1;

// The beating heart: Timer3 shows the large and the small heart in turn while
// the "Show Heartbeat" box is ticked.
class Heartbeat : public QObject {
  Q_OBJECT
 public:
  explicit Heartbeat(Form1& form);

  // One beat: swaps the two pictures.
  void beat();

  // Stops the animation and unticks the box; unticking runs the box's own
  // reaction when it was ticked.
  void switchOff();

  // Sets the time between two pictures; a running heart goes on at it.
  void setPace(int intervalMs);

 private:
  void onCheckChanged(bool ticked);

  Form1& form_;
};

}  // namespace tovalin

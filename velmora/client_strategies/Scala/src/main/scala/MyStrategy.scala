import model._

class MyStrategy {
  def getAction(playerView: PlayerView, debugInterface: Option[DebugInterface]): Action = Action(Map())

  def debugUpdate(playerView: PlayerView, debugInterface: DebugInterface) {
    debugInterface.send(DebugCommand.Clear())
    debugInterface.getState()
  }
}

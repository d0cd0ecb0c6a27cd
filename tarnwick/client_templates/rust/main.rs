mod my_strategy;

use my_strategy::MyStrategy;
use pakko::Pakko;
use std::io::{BufReader, BufWriter, Write};

struct Args {
    host: String,
    port: u16,
    token: String,
}

impl Args {
    fn parse() -> Args {
        let mut args = std::env::args().skip(1);
        let host = args.next().unwrap_or("127.0.0.1".to_owned());
        let port = args
            .next()
            .map_or(31001, |port| port.parse().expect("Can't parse port"));
        let token = args.next().unwrap_or("5829147365820914".to_owned());
        Args { host, port, token }
    }
}

pub struct DebugInterface<'a> {
    reader: &'a mut dyn std::io::BufRead,
    writer: &'a mut dyn std::io::Write,
}

impl DebugInterface<'_> {
    pub fn send(&mut self, command: model::DebugCommand) {
        let message = model::ClientMessage::DebugMessage { command };
        message
            .write_to(&mut self.writer)
            .expect("Failed to write custom debug data");
        self.writer.flush().expect("Failed to flush");
    }
    pub fn get_state(&mut self) -> model::DebugState {
        let message = model::ClientMessage::RequestDebugState {};
        message
            .write_to(&mut self.writer)
            .expect("Failed to write request debug state message");
        self.writer.flush().expect("Failed to flush");
        model::DebugState::read_from(&mut self.reader).expect("Failed to read debug state")
    }
}

struct Runner {
    reader: Box<dyn std::io::BufRead>,
    writer: Box<dyn std::io::Write>,
}

impl Runner {
    fn new(args: &Args) -> std::io::Result<Self> {
        let stream = std::net::TcpStream::connect((args.host.as_str(), args.port))?;
        stream.set_nodelay(true)?;
        let stream_clone = stream.try_clone()?;
        let reader = BufReader::new(stream);
        let mut writer = BufWriter::new(stream_clone);
        args.token.write_to(&mut writer)?;
        writer.flush()?;
        Ok(Self {
            reader: Box::new(reader),
            writer: Box::new(writer),
        })
    }
    fn debug_interface(&mut self) -> DebugInterface<'_> {
        DebugInterface {
            reader: &mut self.reader,
            writer: &mut self.writer,
        }
    }
    fn run(mut self) -> std::io::Result<()> {
        let mut strategy = MyStrategy::new();
        loop {
            let message = model::ServerMessage::read_from(&mut self.reader)?;
            match message {
                model::ServerMessage::GetAction {
                    player_view,
                    debug_available,
                } => {
                    let mut debug_interface = self.debug_interface();
                    let action = strategy.get_action(
                        &player_view,
                        if debug_available {
                            Some(&mut debug_interface)
                        } else {
                            None
                        },
                    );
                    let message = model::ClientMessage::ActionMessage { action };
                    message.write_to(&mut self.writer)?;
                    self.writer.flush()?;
                }
                model::ServerMessage::Finish {} => break,
                model::ServerMessage::DebugUpdate { player_view } => {
                    strategy.debug_update(&player_view, &mut self.debug_interface());
                    let message = model::ClientMessage::DebugUpdateDone {};
                    message.write_to(&mut self.writer)?;
                    self.writer.flush()?;
                }
            }
        }
        Ok(())
    }
}

fn main() -> std::io::Result<()> {
    Runner::new(&Args::parse())?.run()
}

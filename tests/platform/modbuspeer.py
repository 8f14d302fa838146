#!/usr/bin/python3
"""A MODBUS instrument for the link tests.

  modbuspeer.py --log FILE --tcp PORT [--slaves 1,247]
  modbuspeer.py --log FILE --rtu DEVICE [--baud 9600] [--stopbits 2] [--slaves 1,247]
  modbuspeer.py --log FILE --raw DEVICE --answer badcrc|exception1
  --ir ADDRESS=VALUE (repeatable) sets one input register
  --table FILE answers the n-th block read of input registers with the file's n-th line (registers
    from address 0, whitespace-separated)

The pymodbus server (zero_mode: addresses are taken as they are sent) holds, for every slave:
  holding registers 41434..41457 = 1000..1023, and 0..19 = 200..219
  input registers   0..19        = 100..119
  coils             0..9         = off
It writes each request to the log as "slave function address count", and after a write the coils
written as "slave coils address v,v,...". The raw responder answers every request on the line with one
crafted frame instead. "ready" goes to standard output once requests can come.
"""
import argparse
import asyncio
import os
import signal
import sys
import tty


def log_line(path, text):
    with open(path, "a", encoding="ascii") as f:
        f.write(text + "\n")


def crc16(data):
    crc = 0xFFFF
    for b in data:
        crc ^= b
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return bytes([crc & 0xFF, crc >> 8])


def run_raw(device, answer, logpath):
    fd = os.open(device, os.O_RDWR | os.O_NOCTTY)
    tty.setraw(fd)
    print("ready", flush=True)
    while True:
        request = b""
        while len(request) < 8:  # a read request: slave, function, address, count, CRC
            part = os.read(fd, 256)
            if not part:
                return
            request += part
        slave, function = request[0], request[1]
        log_line(logpath, f"{slave} {function} raw {len(request)}")
        if answer == "badcrc":
            frame = bytes([slave, function, 4, 0, 1, 0, 2])
            reply = frame + bytes([crc16(frame)[0] ^ 0x55, crc16(frame)[1]])
        else:
            frame = bytes([slave, function | 0x80, 1])
            reply = frame + crc16(frame)
        os.write(fd, reply)


def run_pymodbus(args):
    from pymodbus.datastore import (ModbusSequentialDataBlock, ModbusServerContext, ModbusSlaveContext,
                                    ModbusSparseDataBlock)
    from pymodbus.framer.rtu_framer import ModbusRtuFramer
    from pymodbus.framer.socket_framer import ModbusSocketFramer
    from pymodbus.server import StartAsyncSerialServer, StartAsyncTcpServer

    class LoggedSlave(ModbusSlaveContext):
        def __init__(self, slave, **kwargs):
            super().__init__(**kwargs)
            self.slave = slave
            self.reads = 0

        def validate(self, fc_as_hex, address, count=1):
            log_line(args.log, f"{self.slave} {fc_as_hex} {address} {count}")
            return super().validate(fc_as_hex, address, count)

        def getValues(self, fc_as_hex, address, count=1):
            # A scripted instrument: the n-th block read of input registers answers the table's n-th
            # row (the last row once the table is used up); single-register reads are not counted.
            if table and fc_as_hex == 4 and count > 1:
                row = table[min(self.reads, len(table) - 1)]
                self.reads += 1
                return [row[address + i] if address + i < len(row) else 0 for i in range(count)]
            return super().getValues(fc_as_hex, address, count)

        def setValues(self, fc_as_hex, address, values):
            super().setValues(fc_as_hex, address, values)
            if fc_as_hex in (5, 15):
                back = self.getValues(1, address, len(values))
                log_line(args.log, f"{self.slave} coils {address} " + ",".join(str(int(v)) for v in back))

    table = []
    if args.table:
        with open(args.table) as rows:
            table = [[int(v) for v in line.split()] for line in rows if line.strip()]

    inputs = [100 + i for i in range(20)]
    for item in args.ir:
        address, value = (int(v) for v in item.split("="))
        inputs[address] = value

    def slave(number):
        return LoggedSlave(
            number,
            zero_mode=True,
            hr=ModbusSparseDataBlock({**{41434 + i: 1000 + i for i in range(24)}, **{i: 200 + i for i in range(20)}}),
            ir=ModbusSequentialDataBlock(0, list(inputs)),
            co=ModbusSequentialDataBlock(0, [False] * 10),
            di=ModbusSequentialDataBlock(0, [False] * 10),
        )

    slaves = {int(s): slave(int(s)) for s in args.slaves.split(",")}
    context = ModbusServerContext(slaves=slaves, single=False)

    async def serve():
        if args.tcp:
            server = await StartAsyncTcpServer(
                context, address=("127.0.0.1", args.tcp), framer=ModbusSocketFramer,
                ignore_missing_slaves=True, defer_start=True)
            task = asyncio.create_task(server.serve_forever())
            while server.server is None:
                await asyncio.sleep(0.01)
        else:
            server = await StartAsyncSerialServer(
                context, port=args.rtu, framer=ModbusRtuFramer, baudrate=args.baud,
                stopbits=args.stopbits, bytesize=8, parity="N", ignore_missing_slaves=True,
                defer_start=True)
            await server.start()
            task = asyncio.create_task(server.serve_forever())
        print("ready", flush=True)
        await task

    asyncio.run(serve())


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--log", required=True)
    parser.add_argument("--tcp", type=int)
    parser.add_argument("--rtu")
    parser.add_argument("--raw")
    parser.add_argument("--answer", default="badcrc")
    parser.add_argument("--baud", type=int, default=9600)
    parser.add_argument("--stopbits", type=int, default=2)
    parser.add_argument("--slaves", default="1,247")
    parser.add_argument("--lifetime", type=float, default=120.0)
    parser.add_argument("--ir", action="append", default=[])
    parser.add_argument("--table", help="input registers from address 0, one row per block read")
    args = parser.parse_args()
    open(args.log, "w").close()
    # Never outlives a test that forgot it.
    signal.signal(signal.SIGALRM, lambda *_: os._exit(3))
    signal.setitimer(signal.ITIMER_REAL, args.lifetime)
    if args.raw:
        run_raw(args.raw, args.answer, args.log)
    else:
        run_pymodbus(args)


if __name__ == "__main__":
    sys.exit(main())

#pragma once

// A stand-in for the packing engine whose behaviour a test chooses. The script
// comes from the argument after "--script" or, when there is none, from the
// environment variable ORVI_TEST_ENGINE_SCRIPT. Steps are separated by ";";
// "@out" stands for the argument after "-o". At the end of the script the result is 0.
//
//   out:T / err:T            T and a line feed on standard output / error
//   crlf:T / errcrlf:T       T and CR LF; partial:T / errpartial:T: T without a line end
//   flood:N                  N numbered lines "flood line <i>" on standard output
//   big:N                    N bytes "x" without a line feed
//   created:P                the engine's success line for image P
//   file:N:P                 writes a file P of N bytes
//   env:NAME                 "NAME=<value>" or "NAME unset"
//   sleep:MS                 sleeps (standard input is not looked at)
//   waitstop                 reads standard input until a line "stop" (prints "got stop")
//                            or its end (prints "stdin closed")
//   ignoreterm               ignores the polite termination request (own process only)
//   exit:N                   returns N at once
//   crash                    aborts (own process only; in-process it prints a line and returns 134)
//   throw:T / throwother     throws std::runtime_error(T) / an int

// Entry for running inside a test binary's process.
int scriptedEngineMain(int argc, char** argv);

// Entry for the executable: may crash and ignore signals for real.
int scriptedEngineProcessMain(int argc, char** argv);

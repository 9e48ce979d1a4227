# fish completion for eboardctl

set -l commands calibration grade map replay devices record play calibrate diagnose quit version smooth watch output outputs status doctor

complete -c eboardctl -f
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -l help -d 'show the usage'
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -l version -d 'show the version'
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a calibration -d 'print or store the calibration record'
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a grade -d 'grade the stored calibration'
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a map -d 'map a raw camera point to the screen'
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a replay -d 'run a recording through the pen pipeline'
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a devices -d 'list the camera units'
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a record -d "record the unit's reports"
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a play -d 'write a recording to a node or FIFO'
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a calibrate -d 'ask the running agent to calibrate'
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a diagnose -d 'ask the running agent for a diagnosis'
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a quit -d 'end the running agent'
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a version -d "show the agent's About window"
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a smooth -d "choose the pen's smoothing"
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a watch -d "print the agent's notifications"
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a output -d 'choose the output the projector shows'
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a outputs -d "list the agent's outputs"
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a status -d "show what the running agent sees"
complete -c eboardctl -n "not __fish_seen_subcommand_from $commands" -a doctor -d "check what the pen needs"

complete -c eboardctl -n "__fish_seen_subcommand_from calibration" -a set -d 'store a record'
complete -c eboardctl -n "__fish_seen_subcommand_from calibration grade map replay" -l file -r -F -d 'archive'
complete -c eboardctl -n "__fish_seen_subcommand_from grade" -l type -x -a 'normal diagnosis'
complete -c eboardctl -n "__fish_seen_subcommand_from grade" -l thresholds -r -F
complete -c eboardctl -n "__fish_seen_subcommand_from map replay" -l screen -x -a '1920x1080 1280x720 1024x768'
complete -c eboardctl -n "__fish_seen_subcommand_from replay play" -F
complete -c eboardctl -n "__fish_seen_subcommand_from replay" -l calibration -r -F
complete -c eboardctl -n "__fish_seen_subcommand_from replay" -l smooth -x -a 'adaptive 1 2 4 8'
complete -c eboardctl -n "__fish_seen_subcommand_from replay" -l pointer -x -a 'log xtest uinput'
complete -c eboardctl -n "__fish_seen_subcommand_from replay smooth" -l min-cutoff -x -d 'cutoff at rest, Hz'
complete -c eboardctl -n "__fish_seen_subcommand_from replay smooth" -l beta -x -d 'rise with speed'
complete -c eboardctl -n "__fish_seen_subcommand_from smooth" -a 'adaptive 1 2 4 8'
complete -c eboardctl -n "__fish_seen_subcommand_from record" -l device -r -F
complete -c eboardctl -n "__fish_seen_subcommand_from play" -l to -r -F
complete -c eboardctl -n "__fish_seen_subcommand_from calibrate diagnose" -l wait -d 'return when the run ends'
complete -c eboardctl -n "__fish_seen_subcommand_from output" -a primary

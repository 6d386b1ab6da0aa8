#!/usr/bin/env bash
# Runs the README's Slurm job array on a one-node cluster on this machine and
# checks that the merged parts equal a single-process sweep byte for byte.
#
# Everything lives in a temporary folder: munge's key and socket, Slurm's
# configuration, state and logs, the job's output. The daemons listen on
# 127.0.0.1 only, on ports of their own, and are stopped at the end by their
# own process ids.
# Usage: cluster/test_slurm.sh PATH/TO/breathlab-cli
set -euo pipefail
cli=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
readme="$here/../README.md"
work=$(mktemp -d /tmp/breathlab-slurm.XXXXXX)
chmod 755 "$work"
pids=()

stop_daemons() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
show_logs() {
    for log in "$work"/*.log; do echo "== $log"; tail -n 20 "$log"; done
}
finish() {
    local code=$?
    [ "$code" -eq 0 ] || show_logs
    stop_daemons
    rm -rf "$work"
    exit "$code"
}
trap finish EXIT
trap 'exit 130' INT TERM

# The array script exactly as the README shows it: the sh block that holds
# "#SBATCH --array".
extract_array_script() {
    awk '/^```sh$/ { block = ""; inside = 1; next }
         /^```$/ && inside { if (block ~ /#SBATCH --array/) { printf "%s", block; exit } inside = 0; next }
         inside { block = block $0 "\n" }' "$readme"
}

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

wait_for() { # SECONDS DESCRIPTION COMMAND...
    local seconds=$1 what=$2
    shift 2
    for _ in $(seq "$seconds"); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 1
    done
    echo "test-slurm: $what did not happen within $seconds s" >&2
    return 1
}

start_munge() {
    mungekey --create --keyfile="$work/munge.key" >/dev/null 2>&1 ||
        dd if=/dev/urandom of="$work/munge.key" bs=1024 count=1 status=none
    chmod 600 "$work/munge.key"
    munged --foreground --force --socket="$work/munge.socket" --key-file="$work/munge.key" \
        --pid-file="$work/munged.pid" --log-file="$work/munged.log" --seed-file="$work/munge.seed" \
        >>"$work/munged.log" 2>&1 &
    pids+=($!)
    wait_for 20 "munge's socket" test -S "$work/munge.socket"
}

write_slurm_conf() {
    mkdir -p "$work/state" "$work/spool"
    cat >"$work/slurm.conf" <<CONF
ClusterName=breathlabtest
SlurmctldHost=localhost(127.0.0.1)
SlurmctldPort=$(free_port)
SlurmdPort=$(free_port)
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
AuthInfo=socket=$work/munge.socket
CredType=cred/munge
StateSaveLocation=$work/state
SlurmdSpoolDir=$work/spool
SlurmctldPidFile=$work/slurmctld.pid
SlurmdPidFile=$work/slurmd.pid
SlurmctldLogFile=$work/slurmctld.log
SlurmdLogFile=$work/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
MpiDefault=none
SwitchType=switch/none
SchedulerType=sched/builtin
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
ReturnToService=2
MinJobAge=3600
# The README's tasks ask for 8 CPUs each: the node declares 32, whatever the
# machine has, so that all four run (sharing the real cores).
SlurmdParameters=config_overrides
NodeName=localhost NodeAddr=127.0.0.1 CPUs=32 RealMemory=1000 State=UNKNOWN
PartitionName=test Nodes=localhost Default=YES MaxTime=INFINITE State=UP
CONF
    export SLURM_CONF="$work/slurm.conf"
}

start_slurm() {
    slurmctld -D -f "$SLURM_CONF" >>"$work/slurmctld.out.log" 2>&1 &
    pids+=($!)
    wait_for 30 "slurmctld answering" scontrol ping
    slurmd -D -N localhost -f "$SLURM_CONF" >>"$work/slurmd.out.log" 2>&1 &
    pids+=($!)
    wait_for 60 "the node becoming idle" sh -c 'sinfo -h -o %t | grep -q idle'
}

run_array() {
    extract_array_script >"$work/array.sh"
    grep -q '#SBATCH --array' "$work/array.sh" || { echo "no array script in README.md" >&2; return 1; }
    (cd "$work" && PATH="$(dirname "$cli"):$PATH" sbatch --parsable array.sh) >"$work/jobid"
    local job
    job=$(cut -d';' -f1 "$work/jobid")
    echo "test-slurm: job array $job submitted"
    wait_for 3600 "the end of job $job" sh -c "[ -z \"\$(squeue -h -j $job)\" ]"
    scontrol show job "$job" >"$work/job.txt"
    if grep -o 'JobState=[A-Z_]*' "$work/job.txt" | grep -vq 'JobState=COMPLETED'; then
        echo "test-slurm: not every task completed:" >&2
        grep -E 'JobId=|JobState=|ExitCode=' "$work/job.txt" >&2
        cat "$work"/slurm-*.out >&2 || true
        return 1
    fi
}

compare_with_single_sweep() {
    local grid
    grid=$(grep -o -- '--vary [^ ]*' "$work/array.sh" | tr '\n' ' ')
    (cd "$work" && "$cli" merge part-*.csv >all.csv)
    # shellcheck disable=SC2086
    "$cli" sweep $grid --out "$work/single.csv"
    if cmp "$work/all.csv" "$work/single.csv"; then
        echo "test-slurm: merged parts equal the single-process sweep ($(($(wc -l <"$work/all.csv"))) lines)"
    else
        echo "test-slurm: merged parts differ from the single-process sweep" >&2
        return 1
    fi
}

start=$(date +%s)
start_munge
write_slurm_conf
start_slurm
run_array
compare_with_single_sweep
echo "test-slurm: passed in $(($(date +%s) - start)) s"

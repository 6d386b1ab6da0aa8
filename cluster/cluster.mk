# The README's Slurm job array run for real on a one-node cluster on this
# machine (slurmctld, slurmd and munge on 127.0.0.1, configured in a temporary
# folder), its merged parts compared byte for byte with a single-process
# sweep. It takes several minutes, so it is not part of `make test`.
.PHONY: test-slurm

test-slurm: build
	bash scripts/setup.sh extra-slurm
	bash cluster/test_slurm.sh $(BUILD)/bin/breathlab-cli

        list    p=16f877a, r=dec
        #include <p16f877a.inc>

; synchronous master, 100000 baud clock on RC6/CK, 10 MHz crystal
sync_init
        banksel SPBRG
        movlw   24
        movwf   SPBRG
        movlw   B'10110000'     ; CSRC, TXEN, SYNC
        movwf   TXSTA
        banksel RCSTA
        movlw   B'10000000'     ; SPEN
        movwf   RCSTA
        return
